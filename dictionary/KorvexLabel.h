#pragma once

#include <QLabel>

/// One cell of a name and value table: the text behind two spaces, on its row's colour.
class KorvexLabel : public QLabel
{
    Q_OBJECT

public:
    KorvexLabel(const QString& text, bool oddRow, QWidget* parent = nullptr);
};
