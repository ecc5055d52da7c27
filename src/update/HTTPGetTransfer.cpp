#include "HTTPGetTransfer.h"

#include "CurlLibrary.h"
#include "DownloadFolder.h"
#include "PathText.h"
#include "UrlSplit.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string_view>

namespace {

// A header value with a line break (or a NUL) would let one property write further headers
// into the request.
bool isSafeHeaderText(std::string_view text)
{
    return text.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

bool headerTextsAreSafe(const FetchRequest& request)
{
    return isSafeHeaderText(request.acceptTypes) && isSafeHeaderText(request.agent)
        && isSafeHeaderText(request.referer) && isSafeHeaderText(request.userName)
        && isSafeHeaderText(request.password);
}

// libcurl reads a length of "12abc" as 12; here a length must be a plain decimal number.
bool isAcceptableHeader(std::string_view line)
{
    constexpr std::string_view name = "content-length:";
    if (lowerCaseLetters(std::string(line.substr(0, name.size()))) != name)
        return true;
    line.remove_prefix(name.size());
    const auto first = line.find_first_not_of(" \t");
    const auto last = line.find_last_not_of(" \t\r\n");
    if (first == std::string_view::npos || last == std::string_view::npos)
        return false;
    const std::string_view value = line.substr(first, last + 1 - first);
    return std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::filesystem::path utf8Path(const std::string& name)
{
    return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

struct CurlDeleter {
    const CurlLibrary* curl = nullptr;
    void operator()(CURL* handle) const { curl->easyCleanup(handle); }
    void operator()(curl_slist* list) const { curl->slistFreeAll(list); }
};
using CurlHandle = std::unique_ptr<CURL, CurlDeleter>;
using HeaderList = std::unique_ptr<curl_slist, CurlDeleter>;

class Transfer {
public:
    Transfer(const FetchRequest& request, TransferControl& control)
        : request_(request), control_(control), library_(curlLibrary()),
          curl_(nullptr, CurlDeleter{library_}), headers_(nullptr, CurlDeleter{library_})
    {
    }

    FetchResult run()
    {
        FetchResult result;
        const auto address = requestAddress(SplitURL(request_.url));
        if (!library_ || !address || !headerTextsAreSafe(request_) || control_.stopRequested())
            return result;
        curl_.reset(library_->easyInit());
        if (!curl_ || !configure(*address))
            return result;

        const CURLcode code = library_->easyPerform(curl_.get());
        // A body of no bytes never reaches the write callback, yet it is an answer.
        bool complete = code == CURLE_OK && (bodyStarted_ || startBody());
        if (file_) {
            file_->close();
            complete = complete && !file_->fail();
        }
        complete = complete && !control_.stopRequested();

        long status = 0;
        if (library_->easyGetinfo(curl_.get(), CURLINFO_RESPONSE_CODE, &status) == CURLE_OK)
            result.statusCode = static_cast<int>(status);
        result.reportedSize = reportedSize_;
        if (request_.target == FetchTarget::File) {
            result.succeeded = complete && readed_ == reportedSize_;
        } else {
            result.succeeded = complete && readed_ != 0;
            result.body = std::move(body_);
        }
        return result;
    }

private:
    template <class Value>
    bool set(CURLoption option, Value value)
    {
        return library_->easySetopt(curl_.get(), option, value) == CURLE_OK;
    }

    bool addHeader(const std::string& line)
    {
        curl_slist* extended = library_->slistAppend(headers_.get(), line.c_str());
        if (!extended)
            return false;
        headers_.release();
        headers_.reset(extended);
        return true;
    }

    bool configure(const std::string& address)
    {
        const long stallSeconds = static_cast<long>(request_.stallTimeout.count());
        const bool secure = address.rfind("https://", 0) == 0;
        bool ok = set(CURLOPT_URL, address.c_str())
            && set(CURLOPT_PROTOCOLS_STR, "http,https")
            && set(CURLOPT_REDIR_PROTOCOLS_STR, secure ? "https" : "http,https")
            && set(CURLOPT_FOLLOWLOCATION, 1L) && set(CURLOPT_MAXREDIRS, 10L)
            && set(CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_1_0))
            && set(CURLOPT_PATH_AS_IS, 1L)
            && set(CURLOPT_NOSIGNAL, 1L)
            && set(CURLOPT_CONNECTTIMEOUT, stallSeconds)
            && set(CURLOPT_LOW_SPEED_LIMIT, 1L) && set(CURLOPT_LOW_SPEED_TIME, stallSeconds)
            && set(CURLOPT_MAXFILESIZE_LARGE, curl_off_t{kMaxFetchBytes})
            && set(CURLOPT_HEADERFUNCTION, &Transfer::headerCallback)
            && set(CURLOPT_WRITEFUNCTION, &Transfer::writeCallback) && set(CURLOPT_WRITEDATA, this)
            && set(CURLOPT_NOPROGRESS, 0L)
            && set(CURLOPT_XFERINFOFUNCTION, &Transfer::transferInfoCallback)
            && set(CURLOPT_XFERINFODATA, this);

        if (!request_.certificateAuthorities.empty())
            ok = ok && set(CURLOPT_CAINFO, request_.certificateAuthorities.c_str());
        // "Accept;" is libcurl's way of sending the header with an empty value.
        ok = ok && addHeader(request_.acceptTypes.empty() ? "Accept;" : "Accept: " + request_.acceptTypes);
        if (!request_.useCache)
            ok = ok && addHeader("Cache-Control: no-cache") && addHeader("Pragma: no-cache");
        if (!request_.agent.empty())
            ok = ok && set(CURLOPT_USERAGENT, request_.agent.c_str());
        if (!request_.referer.empty())
            ok = ok && set(CURLOPT_REFERER, request_.referer.c_str());
        if (!request_.userName.empty()) {
            ok = ok && set(CURLOPT_USERNAME, request_.userName.c_str())
                && set(CURLOPT_PASSWORD, request_.password.c_str());
        }
        if (!request_.postQuery.empty()) {
            ok = ok && addHeader("Content-Type: application/x-www-form-urlencoded")
                && set(CURLOPT_POST, 1L)
                && set(CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(request_.postQuery.size()))
                && set(CURLOPT_POSTFIELDS, request_.postQuery.data());
        }
        return ok && set(CURLOPT_HTTPHEADER, headers_.get());
    }

    // The answer's headers are in: take its length and open the target.
    bool startBody()
    {
        bodyStarted_ = true;
        curl_off_t length = -1;
        if (library_->easyGetinfo(curl_.get(), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length) != CURLE_OK)
            return false;
        if (control_.stopRequested() || (length < 0 && request_.binaryData) || length > kMaxFetchBytes)
            return false;
        reportedSize_ = static_cast<std::int32_t>(std::max<curl_off_t>(length, 0));
        if (request_.target == FetchTarget::File && request_.targetFile)
            return true;
        if (request_.target == FetchTarget::File) {
            file_.emplace(utf8Path(request_.fileName), std::ios::binary | std::ios::trunc);
            return file_->is_open();
        }
        body_.clear();
        return true;
    }

    bool receiveChunk(const char* data, std::size_t size)
    {
        if (control_.stopRequested() || size > std::size_t(kMaxFetchBytes - readed_))
            return false;
        if (request_.target == FetchTarget::File && request_.targetFile) {
            if (!request_.targetFile->write(std::string_view(data, size)))
                return false;
        } else if (file_) {
            file_->write(data, static_cast<std::streamsize>(size));
            if (file_->fail())
                return false;
        } else {
            body_.append(data, size);
        }
        readed_ += static_cast<std::int32_t>(size);
        return control_.chunkReceived(reportedSize_, readed_);
    }

    bool receive(const char* data, std::size_t size)
    {
        if (!bodyStarted_ && !startBody())
            return false;
        for (std::size_t offset = 0; offset < size; offset += kFetchChunkBytes) {
            if (!receiveChunk(data + offset, std::min(kFetchChunkBytes, size - offset)))
                return false;
        }
        return true;
    }

    // Returning anything but the size given makes libcurl end the transfer with an error.
    static std::size_t writeCallback(char* data, std::size_t, std::size_t count, void* self)
    {
        return static_cast<Transfer*>(self)->receive(data, count) ? count : 0;
    }

    static std::size_t headerCallback(char* data, std::size_t, std::size_t count, void*)
    {
        return isAcceptableHeader(std::string_view(data, count)) ? count : 0;
    }

    static int transferInfoCallback(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
    {
        return static_cast<Transfer*>(self)->control_.stopRequested() ? 1 : 0;
    }

    const FetchRequest& request_;
    TransferControl& control_;
    const CurlLibrary* library_; // null when libcurl cannot be opened: every fetch fails
    CurlHandle curl_;
    HeaderList headers_;
    bool bodyStarted_ = false;
    std::int32_t reportedSize_ = 0;
    std::int32_t readed_ = 0;
    std::optional<std::ofstream> file_;
    std::string body_;
};

} // namespace

FetchResult runTransfer(const FetchRequest& request, TransferControl& control)
{
    return Transfer(request, control).run();
}
