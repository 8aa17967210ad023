#pragma once
// An ordered collection whose items each carry a unique text key: items keep the order they were added in,
// and are numbered from 1. Adding a key twice is refused with error 457.

#include "apperror.h"

#include <QHash>
#include <QList>
#include <QString>

namespace ts {

namespace err {
inline constexpr int DuplicateKey = 457;
} // namespace err

template <class T> class KeyedCollection {
public:
    void add(const QString &key, const T &item)
    {
        if (m_index.contains(key))
            throw AppError(err::DuplicateKey, QStringLiteral("This key is already associated with an element of "
                                                             "this collection"));
        m_index.insert(key, m_items.size());
        m_keys.append(key);
        m_items.append(item);
    }
    int count() const { return static_cast<int>(m_items.size()); }
    bool isEmpty() const { return m_items.isEmpty(); }
    // The item at a position from 1 to count(); error 9 for any other.
    const T &item(int position) const
    {
        if (position < 1 || position > count())
            throw AppError(err::SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
        return m_items.at(position - 1);
    }
    const QList<QString> &keys() const { return m_keys; }
    const QList<T> &items() const { return m_items; }

private:
    QList<T> m_items;
    QList<QString> m_keys;
    QHash<QString, qsizetype> m_index;
};

} // namespace ts
