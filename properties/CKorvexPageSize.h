#pragma once

#include "properties/CKorvexPageSizeForm.h"

#include <QDialog>
#include <QList>
#include <QMetaObject>
#include <QSizeF>

/// The "Page Size" dialog: page size in pixels from a paper size or from physical units at a resolution.
class CKorvexPageSize : public QDialog
{
    Q_OBJECT

public:
    enum Orientation { Landscape = 0, Portrait = 1 };

    explicit CKorvexPageSize(QWidget* parent = nullptr);
    ~CKorvexPageSize() override;

    /// The page's pixel size (truncated); the orientation and physical fields follow.
    void setSize(double width, double height);
    /// Selects a paper by its exact name; unknown names keep the selection. Keeps the page's orientation.
    void setPageSizeType(const QString& name);
    /// Selects one of the offered resolutions; any other selects 72.
    void setResolution(int dpi);

    QSizeF size() const;
    int resolution() const;
    QString pageSizeType() const;

public slots:
    void widthSpinBoxValueChanged(int width);
    void heightSpinBoxValueChanged(int height);
    void widthInPdfUnitsSpinBoxValueChanged(double width);
    void heightInPdfUnitsSpinBoxValueChanged(double height);
    void widthInPdfUnitsComboBoxCurrentIndexChanged(int index);
    void heightInPdfUnitsComboBoxCurrentIndexChanged(int index);
    void sizeOrientationComboBoxCurrentIndexChanged(int index);
    void pageSizeComboBoxCurrentIndexChanged(int index);
    void resolutionStandardUnitsComboBoxCurrentIndexChanged(int index);
    void keepAspectRatioCheckBoxStateChanged(int state);
    void saveLastUnit();

private:
    class SlotsDisconnected;

    void connectButtons();
    void chainUnitBoxes();
    void connectSlots();
    void disconnectSlots();
    void fillPageSizes();
    void restoreKeepAspectRatio();
    void restoreUnit();
    int unitIndexOf(const QString& text) const;
    int unit() const;
    int dpi() const;
    void setOrientation(Orientation orientation);
    void recomputePhysicalFields();
    void setSizeFieldsEnabled(bool enabled);
    void updatePixelsFromPhysical();

    CKorvexPageSizeForm m_form;
    QList<QMetaObject::Connection> m_slotConnections;
    int m_disconnectDepth = 0;
    QString m_lastUnitText;
    double m_lastWidthInUnits = 0.0;
    double m_lastHeightInUnits = 0.0;
    int m_referenceWidth = 1;
    int m_referenceHeight = 1;
};
