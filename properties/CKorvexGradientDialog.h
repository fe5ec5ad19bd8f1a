#pragma once

#include <QDialog>
#include <QLinearGradient>
#include <QStringList>

class QColorRampEditor;
class QPushButton;

/// Edits the colour stops of a linear gradient fill; the result is a "fill color gradient" list.
class CKorvexGradientDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CKorvexGradientDialog(QWidget* parent = nullptr);

    void setGradient(const QLinearGradient& gradient);
    bool isAccepted() const { return m_accepted; }
    /// "0", "0", "1", "0", then position, red, green and blue of each stop (alpha dropped).
    QStringList gradientList();
    QColorRampEditor* ramp() const { return m_colorSlider; }

public slots:
    void onOkButtonClicked();
    void onCancelButtonClicked();

private:
    QLinearGradient m_gradient;
    bool m_accepted = false;
    QColorRampEditor* m_colorSlider;
    QPushButton* m_okButton;
    QPushButton* m_cancelButton;
};
