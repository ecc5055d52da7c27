#include "ClassRules.h"

#include "Answer.h"

#include <algorithm>
#include <charconv>

namespace {

// The elements of a one-dimensional array of numbers or booleans as PostgreSQL writes it,
// "{1,2,3}"; nothing for any other text, a NULL element included.
std::optional<std::vector<std::string_view>> arrayElements(std::string_view text)
{
    if (text.size() < 2 || text.front() != '{' || text.back() != '}')
        return std::nullopt;
    text = text.substr(1, text.size() - 2);
    std::vector<std::string_view> elements;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view element = text.substr(0, comma);
        if (element.empty() || element == "NULL")
            return std::nullopt;
        elements.push_back(element);
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
        if (text.empty())
            return std::nullopt; // "{1,}"
    }
    return elements;
}

template <class Number>
std::optional<Number> numberOf(std::string_view text)
{
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

std::string insertAnswersStatement(std::size_t rows)
{
    const std::vector<std::string>& columns = answerColumns();
    std::string statement = "INSERT INTO answers (";
    for (std::size_t column = 0; column < columns.size(); ++column)
        statement += (column ? ", " : "") + columns[column];
    statement += ") VALUES ";
    std::size_t parameter = 0;
    for (std::size_t row = 0; row < rows; ++row) {
        statement += row ? ",(" : "(";
        for (std::size_t column = 0; column < columns.size(); ++column)
            statement += (column ? ",$" : "$") + std::to_string(++parameter);
        statement += ')';
    }
    return statement + " ON CONFLICT DO NOTHING";
}

std::optional<std::vector<ServerPress>> serverPresses(std::string_view correct, std::string_view milliseconds,
                                                      std::string_view marks, std::string_view days)
{
    const auto corrects = arrayElements(correct);
    const auto times = arrayElements(milliseconds);
    const auto markTimes = arrayElements(marks);
    const auto dayNumbers = arrayElements(days);
    if (!corrects || !times || !markTimes || !dayNumbers)
        return std::nullopt;
    const std::size_t count = corrects->size();
    if (times->size() != count || markTimes->size() != count || dayNumbers->size() != count)
        return std::nullopt;
    std::vector<ServerPress> presses;
    for (std::size_t index = 0; index < count; ++index) {
        const std::string_view right = (*corrects)[index];
        const auto time = numberOf<std::int64_t>((*times)[index]);
        const auto mark = numberOf<std::int64_t>((*markTimes)[index]);
        const auto day = numberOf<Day>((*dayNumbers)[index]);
        if ((right != "t" && right != "f") || !time || !mark || !day)
            return std::nullopt;
        presses.push_back({right == "t", *time, *mark, *day});
    }
    return presses;
}

FactState factStateOf(int asked, const std::vector<ServerPress>& lastPresses, bool everFluent)
{
    FactState state;
    state.asked = std::max(asked, static_cast<int>(lastPresses.size()));
    const std::size_t skipped = lastPresses.size() > 3 ? lastPresses.size() - 3 : 0;
    for (std::size_t index = skipped; index < lastPresses.size(); ++index) {
        const ServerPress& press = lastPresses[index];
        state.recent.push_back(
            {judgeFirstPress(press.correct, press.milliseconds, press.markMilliseconds), press.day});
    }
    state.everFluent = everFluent;
    return state;
}

ClassFigures emptyClassFigures(std::vector<std::string> pupils, int operation)
{
    ClassFigures figures;
    figures.operation = operation;
    figures.pupils = std::move(pupils);
    figures.facts = levelOneFacts(operation);
    figures.mastery.assign(figures.pupils.size(), std::vector<Mastery>(figures.facts.size(), Mastery::New));
    return figures;
}

void setMastery(ClassFigures& figures, const std::string& pupil, const Fact& fact, Mastery mastery)
{
    const auto row = std::find(figures.pupils.begin(), figures.pupils.end(), pupil);
    const auto column = std::find(figures.facts.begin(), figures.facts.end(), fact);
    if (row == figures.pupils.end() || column == figures.facts.end())
        return;
    figures.mastery[static_cast<std::size_t>(row - figures.pupils.begin())]
                   [static_cast<std::size_t>(column - figures.facts.begin())] = mastery;
}

bool needsHelp(long long answers, long long wrong)
{
    return wrong * 4 > answers;
}

std::string reasonText(std::string_view message)
{
    std::string text;
    bool blank = false;
    for (const char c : message) {
        if (c == '\n' || c == '\r' || c == '\t' || c == ' ') {
            blank = !text.empty();
            continue;
        }
        if (blank)
            text += ' ';
        blank = false;
        text += c;
    }
    while (!text.empty() && text.back() == '.')
        text.pop_back();
    return text;
}

std::string connectSentence(const ConnectFailure& failure)
{
    const std::string server = failure.server.empty() ? "the class database's server" : failure.server;
    const std::string because = failure.reason.empty() ? "" : " (" + failure.reason + ")";
    if (failure.timedOut)
        return "The class database's server at " + server + " does not answer, so the answers wait on this computer";
    switch (failure.stage) {
    case ConnectStage::Reading:
        return "Calcora cannot use the store's Class Database value" + because;
    case ConnectStage::Connecting:
        return "Calcora cannot reach the class database's server at " + server + because
            + ", so the answers wait on this computer";
    case ConnectStage::Securing:
        return "Calcora refuses the class database's server at " + server
            + ": its certificate is not one this computer's root certificate vouches for, or it offers no secure "
              "connection" + because;
    case ConnectStage::LoggingIn:
        break;
    }
    if (failure.usedPassword)
        return "The class database refuses the login " + failure.login
            + ": the login or its password in ~/.pgpass is wrong" + because;
    if (failure.neededPassword)
        return "The class database asks for the password of the login " + failure.login
            + ", and ~/.pgpass holds none for it" + because;
    return "The class database's server at " + server + " refuses the login " + failure.login + because;
}

std::string schemaSentence(std::optional<int> version)
{
    if (!version)
        return "The class database is refused: it holds no class of Calcora's (run server/calcora-class.sql on it)";
    return "The class database is refused: its schema is version " + std::to_string(*version)
        + ", this Calcora needs " + std::to_string(kClassSchemaVersion);
}

std::string notAllowedSentence(const std::string& login, const std::string& reason)
{
    return "The class database does not let the login " + login + " do this (" + reason
        + "): a pupil's computer needs a login in the role calcora_pupil, the teacher one in calcora_teacher";
}

std::string lostSentence(const std::string& server, const std::string& reason)
{
    return "The connection to the class database's server at " + server + " broke (" + reason
        + "), so the answers wait on this computer";
}

std::string passwordInStoreSentence()
{
    return "Calcora does not use the store's Class Database value while it holds a password: keep the password in "
           "~/.pgpass instead";
}

std::string allSentLine()
{
    return "The class database has every answer of this computer.";
}

std::string sendingLine()
{
    return "The class database is receiving this computer's answers.";
}
