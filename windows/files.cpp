#include "windows/files.h"

#include "windows/win32.h"

#include <iterator>

#include "windows/text.h"

namespace win {

namespace {

std::wstring standardPath() {
    wchar_t folder[MAX_PATH];
    const DWORD n = GetEnvironmentVariableW(L"APPDATA", folder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return {};
    return std::wstring(folder) + L"\\smashbol\\smashbol.ini";
}

}  // namespace

SettingsFile::SettingsFile() : path_(standardPath()) {}

running::Settings SettingsFile::load() const {
    std::FILE* file = path_.empty() ? nullptr : _wfopen(path_.c_str(), L"rb");
    if (!file)
        return {};
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, n);
    std::fclose(file);
    return running::readSettings(text);
}

bool SettingsFile::save(const running::Settings& settings) {
    const std::wstring folder = path_.substr(0, path_.find_last_of(L'\\'));
    std::FILE* file = nullptr;
    if (!path_.empty()) {
        CreateDirectoryW(folder.c_str(), nullptr);
        file = _wfopen(path_.c_str(), L"wb");
    }
    const std::string text = running::writeSettings(settings);
    const bool written = file && std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if ((file && std::fclose(file) != 0) || !written) {
        if (!std::exchange(complained_, true))
            tell("smashbol: settings cannot be written to " +
                     (path_.empty() ? std::string("(no APPDATA folder)") : narrow(path_)) + "\n",
                 true);
        return false;
    }
    return true;
}

std::unique_ptr<RecordingFile> RecordingFile::open(const std::wstring& path) {
    std::FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file) {
        tell("smashbol: cannot record to " + narrow(path) + "; playing on without a recording\n",
             true);
        return nullptr;
    }
    return std::unique_ptr<RecordingFile>(new RecordingFile(file));
}

RecordingFile::~RecordingFile() {
    if (file_)
        std::fclose(file_);
}

bool RecordingFile::write(std::string_view text) {
    return file_ && (std::fwrite(text.data(), 1, text.size(), file_) == text.size() || stop());
}

bool RecordingFile::flush() {
    return file_ && (std::fflush(file_) == 0 || stop());
}

bool RecordingFile::stop() {
    tell("smashbol: the recording stopped: the file takes no more\n", true);
    std::fclose(file_);
    file_ = nullptr;
    return false;
}

void tell(const std::string& text, bool error) {
    DWORD written = 0;
    // A redirection (a file, a pipe) takes the bytes as they are.
    HANDLE out = GetStdHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    if (out && out != INVALID_HANDLE_VALUE && GetFileType(out) != FILE_TYPE_CHAR &&
        GetFileType(out) != FILE_TYPE_UNKNOWN &&
        WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written, nullptr))
        return;
    const std::wstring words = wide(text);
    static const bool attached = AttachConsole(ATTACH_PARENT_PROCESS);
    if (attached) {
        HANDLE console = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, 0, nullptr);
        if (console != INVALID_HANDLE_VALUE) {
            WriteConsoleW(console, words.data(), static_cast<DWORD>(words.size()), &written,
                          nullptr);
            CloseHandle(console);
            return;
        }
    }
    MessageBoxW(nullptr, words.c_str(), L"SMASHBOL 2002",
                MB_OK | (error ? MB_ICONWARNING : MB_ICONINFORMATION));
}

}  // namespace win
