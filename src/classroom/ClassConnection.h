#pragma once

#include <optional>
#include <string>
#include <string_view>

// Why a class database's connection string, as a teacher types it, cannot be kept: it cannot
// be read as libpq reads one ("host=server dbname=calcora", or a URI "postgresql://server/
// calcora"), or it holds a password, which belongs in the user's .pgpass and never in the
// store. Nothing when it can be kept; an empty string (no class database) can.
std::optional<std::string> connectionStringProblem(std::string_view connection);
