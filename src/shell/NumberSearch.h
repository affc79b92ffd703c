#pragma once
// Number search in the goods grid: characters typed while the number column is current build
// a goods number, and the goods with that number becomes the current row.
#include <QChar>
#include <QString>

namespace tevo {

class Table;

class NumberSearch {
public:
    static constexpr char16_t kBackspace = 8;
    static constexpr char16_t kEscape = 27;

    const QString &text() const { return m_text; }
    void clear() { m_text.clear(); }

    // One typed character: Backspace removes the last character, Escape clears the text, any
    // other character is appended. An empty text moves to the first row; otherwise the row
    // whose NPLU is the typed number becomes current, and when there is none the text stays
    // as it was before this character.
    void type(QChar c, Table &goods);

private:
    QString m_text;
};

} // namespace tevo
