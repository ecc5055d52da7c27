#pragma once

#include <libpq-fe.h>

// libpq, opened when the program first uses a class database rather than when it starts: the
// library brings TLS, Kerberos and LDAP along, and most computers have no class database.
struct PqLibrary {
    decltype(&PQconnectStartParams) connectStartParams;
    decltype(&PQconnectPoll) connectPoll;
    decltype(&PQstatus) status;
    decltype(&PQsocket) socket;
    decltype(&PQerrorMessage) errorMessage;
    decltype(&PQfinish) finish;
    decltype(&PQsetnonblocking) setNonblocking;
    decltype(&PQsendQueryParams) sendQueryParams;
    decltype(&PQsetSingleRowMode) setSingleRowMode;
    decltype(&PQflush) flush;
    decltype(&PQconsumeInput) consumeInput;
    decltype(&PQisBusy) isBusy;
    decltype(&PQgetResult) getResult;
    decltype(&PQresultStatus) resultStatus;
    decltype(&PQresultErrorField) resultErrorField;
    decltype(&PQresultErrorMessage) resultErrorMessage;
    decltype(&PQntuples) ntuples;
    decltype(&PQnfields) nfields;
    decltype(&PQgetvalue) getvalue;
    decltype(&PQgetlength) getlength;
    decltype(&PQclear) clear;
    decltype(&PQconnectionUsedPassword) connectionUsedPassword;
    decltype(&PQconnectionNeedsPassword) connectionNeedsPassword;
    decltype(&PQuser) user;
    decltype(&PQhost) host;
    decltype(&PQconninfoParse) conninfoParse;
    decltype(&PQconninfoFree) conninfoFree;
    decltype(&PQfreemem) freemem;
    decltype(&PQsetNoticeProcessor) setNoticeProcessor;
};

// The library, opened by the first call from any thread; null when it cannot be opened, and
// then on every later call too.
const PqLibrary* pqLibrary();
