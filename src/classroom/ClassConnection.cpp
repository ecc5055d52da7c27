#include "ClassConnection.h"

#include <cctype>

namespace {

const char* const kUnreadable =
    "Calcora cannot read the class database's connection: write it as PostgreSQL does, such as "
    "\"service=calcora\" or \"host=server dbname=calcora\"";
const char* const kHoldsPassword =
    "The class database's connection holds a password, and Calcora keeps no password in its settings: put it "
    "in the user's own .pgpass file (pgpass.conf on Windows), where PostgreSQL looks for it";

bool isBlank(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// Whether a URI's query names the password ("?sslmode=require&password=...").
bool queryHoldsPassword(std::string_view query)
{
    while (!query.empty()) {
        const auto end = query.find('&');
        if (query.substr(0, query.find('=')) == "password")
            return true;
        if (end == std::string_view::npos)
            break;
        query.remove_prefix(end + 1);
    }
    return false;
}

std::optional<std::string> uriProblem(std::string_view uri)
{
    uri.remove_prefix(uri.find("://") + 3);
    const auto query = uri.find('?');
    const std::string_view authority = uri.substr(0, uri.find_first_of("/?"));
    const auto at = authority.rfind('@');
    if (at != std::string_view::npos && authority.substr(0, at).find(':') != std::string_view::npos)
        return kHoldsPassword;
    if (query != std::string_view::npos && queryHoldsPassword(uri.substr(query + 1)))
        return kHoldsPassword;
    return std::nullopt;
}

// "keyword = value" pairs, a value in single quotes where it holds blanks, with \' and \\.
std::optional<std::string> keywordsProblem(std::string_view text)
{
    std::size_t at = 0;
    const auto skipBlanks = [&] {
        while (at < text.size() && isBlank(text[at]))
            ++at;
    };
    for (skipBlanks(); at < text.size(); skipBlanks()) {
        const std::size_t keywordStart = at;
        while (at < text.size() && text[at] != '=' && !isBlank(text[at]))
            ++at;
        const std::string_view keyword = text.substr(keywordStart, at - keywordStart);
        skipBlanks();
        if (keyword.empty() || at == text.size() || text[at] != '=')
            return kUnreadable;
        ++at;
        skipBlanks();
        if (at < text.size() && text[at] == '\'') {
            for (++at; at < text.size() && text[at] != '\''; ++at) {
                if (text[at] == '\\')
                    ++at;
            }
            if (at >= text.size())
                return kUnreadable;
            ++at;
        } else {
            while (at < text.size() && !isBlank(text[at]))
                at += text[at] == '\\' ? 2 : 1;
        }
        if (keyword == "password")
            return kHoldsPassword;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> connectionStringProblem(std::string_view connection)
{
    if (connection.starts_with("postgresql://") || connection.starts_with("postgres://"))
        return uriProblem(connection);
    return keywordsProblem(connection);
}
