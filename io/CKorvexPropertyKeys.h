#pragma once

#include <QString>

/// The thirty keys of an item's property record.
namespace CKorvexPropertyKeys {

inline const QString Type = QStringLiteral("type");
inline const QString StartLocation = QStringLiteral("start location");
inline const QString ZValue = QStringLiteral("zvalue");
inline const QString EndLocation = QStringLiteral("end location");
inline const QString Width = QStringLiteral("width");
inline const QString Height = QStringLiteral("height");
inline const QString PenWidth = QStringLiteral("pen width");
inline const QString PenColor = QStringLiteral("pen color");
inline const QString FillColor = QStringLiteral("fill color");
inline const QString IsGradientMode = QStringLiteral("is gradient mode");
inline const QString FillColorGradient = QStringLiteral("fill color gradient");
inline const QString IsImageMode = QStringLiteral("is image mode");
inline const QString Path = QStringLiteral("path");
inline const QString Url = QStringLiteral("url");
inline const QString Action = QStringLiteral("action");
inline const QString Mode3D = QStringLiteral("3d mode");
inline const QString PageSizeType = QStringLiteral("page size type");
inline const QString Dpi = QStringLiteral("dpi");
inline const QString CustomId = QStringLiteral("custom id");
inline const QString Text = QStringLiteral("text");
inline const QString Html = QStringLiteral("html");
inline const QString FontListText = QStringLiteral("font list text");
inline const QString TextSourceType = QStringLiteral("text source type");
inline const QString DictionaryKey = QStringLiteral("dictionary key");
inline const QString ImageSourceType = QStringLiteral("image source type");
inline const QString SceneStateType = QStringLiteral("scene state type");
inline const QString SceneStateIndex = QStringLiteral("scene state index");
inline const QString SceneStateName = QStringLiteral("scene state name");
inline const QString ScaleToFit = QStringLiteral("scale to fit");
inline const QString KeepAspectRatio = QStringLiteral("keep aspect ratio");

} // namespace CKorvexPropertyKeys

/// The item kind names held under "type".
namespace CKorvexItemTypes {

inline const QString Line = QStringLiteral("line");
inline const QString Rect = QStringLiteral("rect");
inline const QString Image = QStringLiteral("image");
inline const QString FormTextBox = QStringLiteral("form_text_box");
inline const QString Label = QStringLiteral("label");
inline const QString Text = QStringLiteral("text");
inline const QString Link = QStringLiteral("link");
inline const QString Area3D = QStringLiteral("3d area");
inline const QString Screen = QStringLiteral("screen");

} // namespace CKorvexItemTypes
