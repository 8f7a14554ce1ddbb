#include "dialogs/unsignedentry.h"

#include <limits>

namespace {

bool IsBlank(QChar ch) {
    return ch == QLatin1Char(' ') || ch == QLatin1Char('\t');
}

} // namespace

std::optional<quint64> ParseUnsignedEntry(const QString& strText) {
    qsizetype nBegin = 0;
    qsizetype nEnd = strText.size();
    while (nBegin < nEnd && IsBlank(strText.at(nBegin))) {
        ++nBegin;
    }
    while (nEnd > nBegin && IsBlank(strText.at(nEnd - 1))) {
        --nEnd;
    }
    if (nBegin == nEnd) {
        return std::nullopt;
    }

    constexpr quint64 kLargest = std::numeric_limits<quint64>::max();
    quint64 uValue = 0;
    bool bOverflow = false;
    for (qsizetype i = nBegin; i < nEnd; ++i) {
        const QChar ch = strText.at(i);
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9')) {
            return std::nullopt;
        }
        const auto uDigit = static_cast<quint64>(ch.unicode() - u'0');
        if (uValue > (kLargest - uDigit) / 10) {
            bOverflow = true;
        } else {
            uValue = uValue * 10 + uDigit;
        }
    }
    return bOverflow ? kLargest : uValue;
}
