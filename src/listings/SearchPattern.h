#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringView>
#include <array>
#include <atomic>
#include <vector>

// A wildcard pattern of the search, compiled once and then matched against many names:
// "?" any one character, "*" any run of characters, "#" one digit, "[list]" one character
// of the list (single characters and ascending ranges such as A-Z), "[!list]" one character
// not in it, anything else itself. The whole name must match the whole pattern. Letter case
// is ignored: pattern and name are compared in their upper-case forms. A letter typed without
// a diacritic matches the letters of the code page with one too ("kisa" finds "kiša").
class SearchPattern
{
public:
    // Throws ZbirnikError naming the problem when the pattern is invalid (a "[" without its
    // "]", or a descending range).
    explicit SearchPattern(QStringView pattern) : SearchPattern(pattern, pattern) {}

    // The pattern of the find dialog: the user's text between two "*", so a text without
    // special characters finds every name that contains it.
    static SearchPattern containing(QStringView text);

    // The parts between stars are placed leftmost, one after another: at worst name length
    // x pattern length steps, and far fewer where a part cannot fit.
    bool matches(QStringView name) const;
    // The same for a name as it stands in a windows-1250 file, without decoding it: one
    // table look-up per byte and token, the same result as matching the decoded name.
    // Gives false as soon as cancelled is set, however long the name and the pattern.
    bool matchesBytes(QByteArrayView name, const std::atomic<bool>* cancelled = nullptr) const;

private:
    // shownText is the text an error message names.
    SearchPattern(QStringView pattern, QStringView shownText);

    enum class Kind
    {
        Literal,
        AnyCharacter,
        Digit,
        CharacterSet,
        Star
    };
    struct Token
    {
        Kind kind;
        char16_t character = 0; // Literal
        int set = 0;            // CharacterSet: index into m_sets
    };
    struct Range
    {
        char16_t first;
        char16_t last;
    };
    struct CharacterSet
    {
        std::vector<Range> ranges;
        bool negated = false;
    };

    // A run of tokens between stars, each matching one character.
    struct Part
    {
        size_t first;
        qsizetype length;
        // How far the part may move on after a failed try, by the byte under its last token
        // (the bad-character rule), so a part that cannot fit is passed over quickly.
        std::array<quint32, 256> shift;
    };

    qsizetype compileList(QStringView pattern, qsizetype open, QStringView shownText);
    void compileParts();
    bool tokenMatches(const Token& token, char16_t upper) const;
    template <typename Name>
    bool matchParts(const Name& name, const std::atomic<bool>* cancelled = nullptr) const;

    std::vector<Token> m_tokens;
    std::vector<CharacterSet> m_sets;
    std::vector<Part> m_parts;
    bool m_leadingStar = false;
    bool m_trailingStar = false;
    // For every token, which bytes it matches.
    std::vector<std::array<bool, 256>> m_byteMatches;
};
