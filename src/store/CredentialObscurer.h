#pragma once

#include <QString>

#include <cstddef>

// A reversible transformation of bytes into printable symbols, used for the passwords that the
// discovery protocol carries. Stateless; safe on any thread.
class CredentialObscurer
{
public:
    // Writes 2 symbols per byte of the zero-terminated input rounded up to 8 bytes, plus a zero.
    // Returns the number of symbols, 0 for empty input, -1 when an argument is missing or the output
    // buffer is too small.
    static int obscureBytes(const char* input, char* output, std::size_t outputSize);
    // The inverse; returns the length of the result up to its first zero byte, 0 for empty input,
    // -1 for a missing argument, a too small buffer or a length that is not 16n or 16n + 1.
    static int revealBytes(const char* input, char* output, std::size_t outputSize);

    // The same on text through UTF-8; a null text when the input is refused (over 1016 UTF-8 bytes).
    static QString obscureText(const QString& text);
    static QString revealText(const QString& text);

    static constexpr int kMaxTextBytes = 1016;
};
