// SMASHBOL 2002 on Windows: the running game under a Win32 front end, everything it shows and
// plays carried inside the program.
#include "windows/win32.h"

#include <shellapi.h>

#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

#include "assets/embedded_translations.h"
#include "engine/running/command_line.h"
#include "engine/running/recording_check.h"
#include "windows/app.h"
#include "windows/files.h"
#include "windows/text.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i)
        arguments.push_back(win::narrow(words[i]));
    LocalFree(words);

    win::SettingsFile store;
    running::FrontEndOptions own;
    own.languageFrom = "Windows' display language";
    const running::CommandLine options =
        running::parseCommandLine(arguments, win::narrow(store.path()), own);
    if (options.action != running::CommandLine::Action::Play) {
        win::tell(options.message, options.action == running::CommandLine::Action::Refuse);
        return options.exitStatus();
    }
    // A recording to watch is read a piece at a time and checked before any window opens.
    std::string watched;
    if (!options.replayPath.empty()) {
        running::RecordingReader reader(options.replayPath, false);
        std::FILE* file = _wfopen(win::wide(options.replayPath).c_str(), L"rb");
        char piece[1 << 16];
        for (std::size_t n;
             file && (n = std::fread(piece, 1, sizeof piece, file)) > 0 && reader.feed({piece, n});)
            watched.append(piece, n);
        running::ScriptCheck check = reader.finish();
        if (!file || std::ferror(file)) {
            check.ok = false;
            check.message = options.replayPath + ": cannot be read";
        }
        if (file)
            std::fclose(file);
        if (!check.message.empty())
            win::tell("smashbol: " + check.message + "\n", true);
        if (!check.ok)
            return 2;
    }
    running::Options run;
    run.settings = options.over(store.load());
    win::showLanguage(run.settings.language);

    win::App app(instance, std::move(run), store);
    std::unique_ptr<win::RecordingFile> recording;
    if (!options.recordPath.empty() &&
        (recording = win::RecordingFile::open(win::wide(options.recordPath))))
        app.game().recordTo(*recording, options.recordPath);
    if (options.replayPath.empty())
        return app.run();
    return app.run([&](running::Game& game) {
        game.watch(options.replayPath, std::exchange(watched, {}), [](std::string_view s) {
            std::fwrite(s.data(), 1, s.size(), stdout);
            std::fflush(stdout);
        });
    });
}
