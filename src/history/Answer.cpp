#include "Answer.h"

#include <charconv>
#include <cstdio>

namespace {

std::optional<long long> number(std::string_view text)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

// Days from 1970-01-01 of a civil date, and back (the proleptic Gregorian calendar).
std::int64_t daysFromCivil(std::int64_t year, unsigned month, unsigned day)
{
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

struct CivilDate {
    std::int64_t year;
    unsigned month;
    unsigned day;
};

CivilDate civilFromDays(std::int64_t days)
{
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned monthIndex = (5 * dayOfYear + 2) / 153;
    const unsigned day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    const unsigned month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    return {static_cast<std::int64_t>(yearOfEra) + era * 400 + (month <= 2), month, day};
}

constexpr std::int64_t kMillisecondsPerDay = 86'400'000;

std::int64_t floorDivide(std::int64_t value, std::int64_t divisor)
{
    return value / divisor - (value % divisor < 0);
}

} // namespace

std::optional<Fact> operandsOf(const TQuestion& question, int operation)
{
    const std::string& text = question.Text;
    const std::string sign = std::string(" ") + operationSign(operation) + " ";
    const auto at = text.find(sign);
    const auto end = text.rfind(" = ?");
    if (at == std::string::npos || end == std::string::npos || end < at + sign.size())
        return std::nullopt;
    const auto a = number(std::string_view(text).substr(0, at));
    const auto b = number(std::string_view(text).substr(at + sign.size(), end - at - sign.size()));
    if (!a || !b)
        return std::nullopt;
    return Fact{operation, static_cast<int>(*a), static_cast<int>(*b)};
}

std::optional<Answer> answerOf(const TQuestion& question, int operation, int level, int position)
{
    const auto operands = operandsOf(question, operation);
    const auto right = number(question.RightAnswer);
    if (!operands || !right || position < 1 || position > 4)
        return std::nullopt;
    Answer answer;
    answer.operation = operation;
    answer.level = level;
    answer.a = operands->a;
    answer.b = operands->b;
    answer.answer = *right;
    for (std::size_t index = 0; index < 4; ++index) {
        const auto choice = number(question.Choices[index]);
        if (!choice)
            return std::nullopt;
        answer.choices[index] = *choice;
    }
    answer.chosen = answer.choices[static_cast<std::size_t>(position - 1)];
    answer.correct = isRightChoice(question, position);
    return answer;
}

std::string isoUtcTime(std::int64_t utcMilliseconds)
{
    const std::int64_t days = floorDivide(utcMilliseconds, kMillisecondsPerDay);
    const std::int64_t inDay = utcMilliseconds - days * kMillisecondsPerDay;
    const CivilDate date = civilFromDays(days);
    char text[40];
    std::snprintf(text, sizeof text, "%04lld-%02u-%02uT%02lld:%02lld:%02lld.%03lldZ", static_cast<long long>(date.year),
                  date.month, date.day, static_cast<long long>(inDay / 3'600'000),
                  static_cast<long long>(inDay / 60'000 % 60), static_cast<long long>(inDay / 1000 % 60),
                  static_cast<long long>(inDay % 1000));
    return text;
}

Day dayOf(std::int64_t utcMilliseconds)
{
    return static_cast<Day>(floorDivide(utcMilliseconds, kMillisecondsPerDay));
}

std::string isoDate(Day day)
{
    const CivilDate date = civilFromDays(day);
    char text[24];
    std::snprintf(text, sizeof text, "%04lld-%02u-%02u", static_cast<long long>(date.year), date.month, date.day);
    return text;
}

std::optional<Day> parseIsoDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    const auto year = number(text.substr(0, 4));
    const auto month = number(text.substr(5, 2));
    const auto day = number(text.substr(8, 2));
    if (!year || !month || !day || *month < 1 || *month > 12 || *day < 1 || *day > 31)
        return std::nullopt;
    return static_cast<Day>(daysFromCivil(*year, static_cast<unsigned>(*month), static_cast<unsigned>(*day)));
}

std::string choicesText(const std::array<long long, 4>& choices)
{
    std::string text;
    for (std::size_t index = 0; index < choices.size(); ++index)
        text += (index ? "," : "") + std::to_string(choices[index]);
    return text;
}

const std::vector<std::string>& answerColumns()
{
    static const std::vector<std::string> columns = {
        "device", "seq", "pupil", "at", "operation", "level", "a", "b", "answer", "choices", "chosen", "correct",
        "first_press", "ms", "threshold_ms"};
    return columns;
}

std::string csvRecord(const std::vector<std::string>& fields)
{
    std::string record;
    for (std::size_t index = 0; index < fields.size(); ++index) {
        const std::string& field = fields[index];
        if (index)
            record += ',';
        const bool quoted = field.find_first_of(",\"\r\n") != std::string::npos
            || (!field.empty() && (field.front() == ' ' || field.back() == ' '));
        if (!quoted) {
            record += field;
            continue;
        }
        record += '"';
        for (const char c : field)
            record += c == '"' ? std::string("\"\"") : std::string(1, c);
        record += '"';
    }
    return record + "\r\n";
}
