#pragma once

#include "core/CKorvexUndoCommand.h"
#include "undo/CKorvexErrorCodeForUndoCommand.h"

class CKorvexDesignerScene;

namespace Korvex {
class CKorvexUndoGroupCommand;
}

/// Sets the page size back or forth and rescales every item from its geometry snapshot.
class CKorvexUndPageSizeChangedCommand : public Korvex::CKorvexUndoCommand
{
public:
    static CKorvexErrorCodeForUndoCommand Create(CKorvexDesignerScene* scene, float widthForUndo,
                                                 float heightForUndo, float widthForRedo,
                                                 float heightForRedo,
                                                 Korvex::CKorvexUndoGroupCommand* group);

    void Undo() override;
    void Redo() override;
    ~CKorvexUndPageSizeChangedCommand() override;

private:
    CKorvexUndPageSizeChangedCommand(CKorvexDesignerScene* scene, float widthForUndo, float heightForUndo,
                                     float widthForRedo, float heightForRedo);
    void resize(float width, float height);

    CKorvexDesignerScene* m_scene;
    float m_widthForUndo;
    float m_heightForUndo;
    float m_widthForRedo;
    float m_heightForRedo;
};
