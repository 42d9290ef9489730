#include "CredentialObscurer.h"

#include <QByteArray>

#include <array>
#include <cstdint>
#include <cstring>

namespace {

const char kAlphabet[] = "kumFY3t4RTavbqiwl21QyDsHECX9SOrWM7-NohKZUJVp5ABfcnG6LxgI0ed_zj8P";

// Entries of -1, 0 and 1: a row of bytes (0..255) times a column stays within -2040..2040, which
// fits the 12 bits that two symbols carry.
const int kKey[8][8] = {
    {1, 1, 0, 0, -1, 1, 1, 0},   {1, -1, 1, 1, 1, 1, 1, 1},   {0, 0, 1, -1, 0, 1, 1, -1},
    {-1, 1, 1, 0, 1, 1, -1, -1}, {1, -1, 0, -1, -1, 0, 1, 1}, {1, 0, -1, 1, 1, 1, 0, -1},
    {1, -1, 0, 0, 1, 1, -1, 1},  {1, 1, -1, 1, 0, 1, 0, -1},
};

const double kKeyInverse[8][8] = {
    {2.0, -1.0, 7.0, -10.0, -12.0, -5.0, 6.0, 1.0}, {3.0, -1.0, 3.0, -5.0, -7.0, -1.0, 3.0, -2.0},
    {0.0, 0.0, 4.0, -5.0, -6.0, -4.0, 3.0, 2.0},    {-2.0, 1.0, -2.0, 3.0, 4.0, 0.0, -2.0, 2.0},
    {3.0, -1.0, 3.0, -5.0, -7.0, 0.0, 3.0, -3.0},   {-2.0, 1.0, -6.0, 9.0, 11.0, 4.0, -5.0, 0.0},
    {1.0, 0.0, -1.0, 1.0, 1.0, 2.0, -1.0, -2.0},    {1.0, 0.0, -2.0, 2.0, 2.0, 2.0, -1.0, -2.0},
};

// Byte value -> alphabet index; bytes outside the alphabet read as index 0.
std::array<int, 256> reverseTable()
{
    std::array<int, 256> table{};
    for (int i = 0; i < 64; ++i)
        table[static_cast<unsigned char>(kAlphabet[i])] = i;
    return table;
}

constexpr std::size_t kTextBuffer = 2048;

} // namespace

int CredentialObscurer::obscureBytes(const char* input, char* output, std::size_t outputSize)
{
    if (!input || !output || outputSize == 0)
        return -1;
    const std::size_t length = std::strlen(input);
    if (length == 0) {
        output[0] = '\0';
        return 0;
    }
    const std::size_t padded = (length + 7) / 8 * 8;
    if (2 * padded + 1 > outputSize)
        return -1;
    const auto* bytes = reinterpret_cast<const unsigned char*>(input);
    std::size_t out = 0;
    for (std::size_t row = 0; row < padded / 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            double sum = 0.0;
            for (int k = 0; k < 8; ++k) {
                const std::size_t at = row * 8 + k;
                const double value = at < length ? bytes[at] : 0;
                sum += value * kKey[k][column];
            }
            const auto v = static_cast<std::int16_t>(sum);
            output[out++] = kAlphabet[v & 63];
            output[out++] = kAlphabet[(v >> 6) & 63];
        }
    }
    output[out] = '\0';
    return static_cast<int>(out);
}

int CredentialObscurer::revealBytes(const char* input, char* output, std::size_t outputSize)
{
    if (!input || !output || outputSize == 0)
        return -1;
    const std::size_t length = std::strlen(input);
    if (length == 0) {
        output[0] = '\0';
        return 0;
    }
    if (length & 0xE)
        return -1;
    const std::size_t rows = length / 16;
    if (rows * 8 + 1 > outputSize)
        return -1;
    static const std::array<int, 256> reverse = reverseTable();
    const auto* symbols = reinterpret_cast<const unsigned char*>(input);
    for (std::size_t row = 0; row < rows; ++row) {
        double m[8];
        for (int k = 0; k < 8; ++k) {
            const std::size_t pair = row * 8 + k;
            int c = reverse[symbols[2 * pair]] + 64 * reverse[symbols[2 * pair + 1]];
            if (c & 0x800)
                c -= 4096;
            m[k] = c;
        }
        for (int column = 0; column < 8; ++column) {
            double sum = 0.0;
            for (int k = 0; k < 8; ++k)
                sum += m[k] * kKeyInverse[k][column];
            output[row * 8 + column] = static_cast<char>(static_cast<int>(sum + 0.01) & 0xFF);
        }
    }
    output[rows * 8] = '\0';
    return static_cast<int>(std::strlen(output));
}

QString CredentialObscurer::obscureText(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    if (utf8.size() > kMaxTextBytes)
        return QString();
    char buffer[kTextBuffer] = {};
    if (obscureBytes(utf8.constData(), buffer, sizeof buffer) < 0)
        return QString();
    return QString::fromUtf8(buffer);
}

QString CredentialObscurer::revealText(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    char buffer[kTextBuffer] = {};
    if (revealBytes(utf8.constData(), buffer, sizeof buffer) < 0)
        return QString();
    return QString::fromUtf8(buffer);
}
