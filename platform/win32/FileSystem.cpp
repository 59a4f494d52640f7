#include "platform/win32/FileSystem.h"

#include "platform/win32/Handles.h"
#include "platform/win32/Text.h"

#include <algorithm>
#include <exception>

namespace {

constexpr DWORD kHiddenOrSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

UniqueKernelHandle OpenFile(const std::string& path, DWORD access, DWORD share, DWORD disposition)
{
    const HANDLE file = CreateFileW(Wide(path).c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    return UniqueKernelHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

bool ReadAll(HANDLE file, std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD read = 0;
        if (!ReadFile(file, bytes.data() + done, chunk, &read, nullptr))
            return false;
        if (read == 0)
            break;
        done += read;
    }
    bytes.resize(done);
    return true;
}

bool WriteAll(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

DWORD WriteNewFile(const std::string& path, std::string_view bytes)
{
    const UniqueKernelHandle file = OpenFile(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
    if (!file || !WriteAll(file.get(), bytes) || !FlushFileBuffers(file.get()))
        return GetLastError();
    return ERROR_SUCCESS;
}

}  // namespace

bool FileFound(const std::string& path)
{
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & (kHiddenOrSystem | FILE_ATTRIBUTE_DIRECTORY));
}

bool FolderFound(const std::string& path)
{
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & kHiddenOrSystem);
}

std::optional<std::string> ReadFileBytes(const std::string& path, DWORD& error)
{
    error = ERROR_SUCCESS;
    const auto failed = [&](DWORD why) -> std::optional<std::string> {
        error = why;
        return std::nullopt;
    };
    const UniqueKernelHandle file =
        OpenFile(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, OPEN_EXISTING);
    if (!file) {
        const DWORD why = GetLastError();
        return why == ERROR_FILE_NOT_FOUND || why == ERROR_PATH_NOT_FOUND ? std::string() : failed(why);
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size))
        return failed(GetLastError());
    std::string bytes;
    try {
        bytes.resize(static_cast<std::size_t>(size.QuadPart));
    } catch (const std::exception&) {
        return failed(ERROR_NOT_ENOUGH_MEMORY);  // larger than this process can hold
    }
    if (static_cast<unsigned long long>(size.QuadPart) != bytes.size())
        return failed(ERROR_NOT_ENOUGH_MEMORY);
    if (!ReadAll(file.get(), bytes))
        return failed(GetLastError());
    return bytes;
}

DWORD ReplaceFileBytes(const std::string& path, std::string_view bytes)
{
    // Windows refuses to move anything over a read-only file; Wine does not, so ask.
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return ERROR_ACCESS_DENIED;
    const std::string temporary = path + ".tmp";
    DWORD error = WriteNewFile(temporary, bytes);
    if (error == ERROR_SUCCESS &&
        !MoveFileExW(Wide(temporary).c_str(), Wide(path).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = GetLastError();
    if (error != ERROR_SUCCESS)
        DeleteFileW(Wide(temporary).c_str());
    return error;
}
