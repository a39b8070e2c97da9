#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <vector>

// A wildcard pattern of the search, compiled once and then matched against many names:
// "?" any one character, "*" any run of characters, "#" one digit, "[list]" one character
// of the list (single characters and ascending ranges such as A-Z), "[!list]" one character
// not in it, anything else itself. The whole name must match the whole pattern. Letter case
// is ignored: pattern and name are compared in their upper-case forms.
class SearchPattern
{
public:
    // Throws ZbirnikError naming the problem when the pattern is invalid (a "[" without its
    // "]", or a descending range).
    explicit SearchPattern(QStringView pattern) : SearchPattern(pattern, pattern) {}

    // The pattern of the find dialog: the user's text between two "*", so a text without
    // special characters finds every name that contains it.
    static SearchPattern containing(QStringView text);

    // Greedy matching that backtracks only to the last "*": at worst names x tokens steps,
    // never exponential.
    bool matches(QStringView name) const;

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

    qsizetype compileList(QStringView pattern, qsizetype open, QStringView shownText);
    bool tokenMatches(const Token& token, char16_t upper) const;

    std::vector<Token> m_tokens;
    std::vector<CharacterSet> m_sets;
};
