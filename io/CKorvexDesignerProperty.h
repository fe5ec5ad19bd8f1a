#pragma once

#include <QMap>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>

/// The property record of one page object: an ordered map from a lower-case key to a value.
class CKorvexDesignerProperty
{
public:
    CKorvexDesignerProperty() = default;
    CKorvexDesignerProperty(const CKorvexDesignerProperty&) = default;
    CKorvexDesignerProperty& operator=(const CKorvexDesignerProperty&) = default;
    virtual ~CKorvexDesignerProperty();

    bool contains(const QString& key) const;
    /// The stored value, or an invalid value when key is absent.
    QVariant value(const QString& key) const;
    void setValue(const QString& key, const QVariant& value);
    /// Inserts an invalid value first when key is absent.
    QVariant& operator[](const QString& key);
    void remove(const QString& key);
    QStringList keys() const;
    bool isEmpty() const;
    void clear();

    /// True when every key of this record is in other with an equal value.
    bool matches(const CKorvexDesignerProperty& other) const;

    /// "item begin", one "key:value" line per known key in key order, "item end"; no final line feed.
    QString toItemBlock() const;
    /// Clears the record and reads the lines between "item begin" and "item end".
    void fromItemBlock(const QString& text);
    /// The same from count lines of a block already cut into lines, starting at first.
    void fromItemLines(const QStringList& lines, int first, int count);

    /// The item companion that holds this record; neither written nor compared. A plain object
    /// here, since records live below the items that own them.
    QObject* owner() const;
    void setOwner(QObject* owner);

private:
    void readLine(const QString& line);

    QMap<QString, QVariant> m_entries;
    QPointer<QObject> m_owner;
};
