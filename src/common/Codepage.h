#pragma once
// Single-byte code pages of the outside world: Windows-1251 (files, scales) and DOS 866
// (dBase files). The tables are taken from the C library's converter once.
#include <QByteArray>
#include <QString>

namespace tevo {

QByteArray toCp1251(const QString &text); // unmappable characters become '?'
QString fromCp1251(const QByteArray &bytes);
QByteArray toCp866(const QString &text); // unmappable characters become '?'
QString fromCp866(const QByteArray &bytes);

// True when the character has a place in Windows-1251.
bool representableInCp1251(QChar c);

} // namespace tevo
