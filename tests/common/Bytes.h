#pragma once
// Bytes written out as numbers, for the literal byte oracles of the codec tests:
// bytes({0xF0, 0x49, 0x02, 0x00}).
#include <QByteArray>
#include <initializer_list>

namespace tevo::test {

inline QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

} // namespace tevo::test
