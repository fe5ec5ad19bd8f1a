#pragma once

#include <QValidator>

/// Accepts whole numbers of at least 1; an empty field or "0" is corrected to "1".
class KorvexNumberValidator : public QValidator
{
    Q_OBJECT

public:
    explicit KorvexNumberValidator(QObject* parent = nullptr);

    State validate(QString& input, int& position) const override;
    void fixup(QString& input) const override;
};
