#pragma once

#include "services/CKorvexProductInfo.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QSettings>
#include <QtTest>

/// Drives dialog widgets with key and mouse events, as a user would, and reads what they stored.
namespace KorvexDialogDriver {

template <typename Widget>
Widget* child(QWidget* parent, const char* objectName)
{
    auto* widget = parent->findChild<Widget*>(QLatin1String(objectName));
    if (!widget)
        qFatal("missing widget %s", objectName);
    return widget;
}

/// Replaces a spin box's text by typing.
inline void typeInto(QAbstractSpinBox* box, const QString& text)
{
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
}

/// Steps a combo box with the arrow keys until it shows the text; false when it never does.
inline bool pick(QComboBox* box, const QString& text)
{
    if (!box->isEnabled())
        return false;
    QTest::keyClick(box, Qt::Key_Home);
    for (int step = 0; step < box->count() && box->currentText() != text; ++step)
        QTest::keyClick(box, Qt::Key_Down);
    return box->currentText() == text;
}

inline void toggle(QAbstractButton* button) { QTest::keyClick(button, Qt::Key_Space); }
inline void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

inline QVariant storedDesignerValue(const QString& key)
{
    return CKorvexProductInfo::openSettings()->value(QStringLiteral("Designer/") + key);
}

inline void storeDesignerValue(const QString& key, const QVariant& value)
{
    CKorvexProductInfo::openSettings()->setValue(QStringLiteral("Designer/") + key, value);
}

} // namespace KorvexDialogDriver
