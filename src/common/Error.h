#pragma once
// Errors raised by the database, file and conversion layers. Each carries the layer's own
// text; the application shows it in its common error box and goes on.
#include <QString>
#include <stdexcept>

namespace tevo {

class Error : public std::runtime_error {
public:
    explicit Error(const QString &text) : std::runtime_error(text.toStdString()), m_text(text) {}
    const QString &text() const { return m_text; }

private:
    QString m_text;
};

// A statement or connection of the database layer failed.
class DatabaseError : public Error {
public:
    using Error::Error;
};

// The database is held by another program (its commit, a long change) for longer than this
// program waits; nothing of the statement is stored.
class DatabaseBusyError : public DatabaseError {
public:
    using DatabaseError::DatabaseError;
};

// A text could not be converted ("'%s' is not a valid integer value", …).
class ConversionError : public Error {
public:
    using Error::Error;
};

// A file could not be read, created or written.
class FileError : public Error {
public:
    using Error::Error;
};

// Bad input refused before anything was changed (a range out of bounds, a record number
// outside the table).
class InputError : public Error {
public:
    using Error::Error;
};

} // namespace tevo
