#include "undo/CKorvexUndPageSizeChangedCommand.h"

#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexDesignerScreen.h"

#include <memory>

CKorvexUndPageSizeChangedCommand::CKorvexUndPageSizeChangedCommand(CKorvexDesignerScene* scene,
                                                                   float widthForUndo, float heightForUndo,
                                                                   float widthForRedo, float heightForRedo)
    : CKorvexUndoCommand(true)
    , m_scene(scene)
    , m_widthForUndo(widthForUndo)
    , m_heightForUndo(heightForUndo)
    , m_widthForRedo(widthForRedo)
    , m_heightForRedo(heightForRedo)
{
}

CKorvexUndPageSizeChangedCommand::~CKorvexUndPageSizeChangedCommand() = default;

CKorvexErrorCodeForUndoCommand CKorvexUndPageSizeChangedCommand::Create(
    CKorvexDesignerScene* scene, float widthForUndo, float heightForUndo, float widthForRedo,
    float heightForRedo, Korvex::CKorvexUndoGroupCommand* group)
{
    if (!scene)
        return CKorvexErrorCodeForUndoCommand::failure("CKorvexUndPageSizeChangedCommand : designerScene should not be NULL");
    Store(std::unique_ptr<CKorvexUndPageSizeChangedCommand>(new CKorvexUndPageSizeChangedCommand(
              scene, widthForUndo, heightForUndo, widthForRedo, heightForRedo)),
          group);
    return CKorvexErrorCodeForUndoCommand();
}

void CKorvexUndPageSizeChangedCommand::Undo()
{
    resize(m_widthForUndo, m_heightForUndo);
}

void CKorvexUndPageSizeChangedCommand::Redo()
{
    resize(m_widthForRedo, m_heightForRedo);
}

void CKorvexUndPageSizeChangedCommand::resize(float width, float height)
{
    CKorvexDesignerScreen* screen = m_scene->screen();
    if (!screen)
        return;
    screen->setWidth(width);
    screen->setHeight(height);
    m_scene->rescaleItems();
}
