#pragma once

/// The action kinds, numbered as the action editor's type list.
enum ActionType {
    ActionNone = 0,
    ActionUrl = 1,
    ActionMessageBox = 2,
    ActionAnimationPlay = 3,
    ActionAnimationStop = 4,
    ActionScript = 5,
    ActionMultiAction = 6,
    ActionSceneState = 7,
    ActionPrepopulate = 8,
};

/// Keys of the action editor's information map; 6 is left unused.
enum ActionProperty {
    PropMessageTitle = 0,
    PropUrl = 1,
    PropMessageText = 2,
    PropScript = 3,
    PropSceneStateIndex = 4,
    PropSceneStateName = 5,
    PropMultiAction = 7,
    PropFromFrame = 8,
    PropToFrame = 9,
    PropLocalHtmlPath = 10,
    PropStartupHtmlFile = 11,
    PropAttributeKeyName = 12,
};
