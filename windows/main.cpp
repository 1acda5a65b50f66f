// SMASHBOL 2002 on Windows: the running game under a Win32 front end, everything it shows and
// plays carried inside the program.
#include "windows/win32.h"

#include <shellapi.h>

#include <memory>
#include <vector>

#include "assets/embedded_translations.h"
#include "windows/app.h"
#include "windows/command_line.h"
#include "windows/files.h"
#include "windows/text.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::vector<std::wstring> arguments(words + (count > 0 ? 1 : 0), words + count);
    LocalFree(words);

    win::SettingsFile store;
    const win::CommandLine options = win::parseCommandLine(arguments, win::narrow(store.path()));
    if (options.action != win::CommandLine::Action::Play) {
        win::tell(options.message, options.action == win::CommandLine::Action::Refuse);
        return options.exitStatus();
    }
    running::Options run;
    run.settings = options.over(store.load());
    win::showLanguage(run.settings.language);

    win::App app(instance, std::move(run), store);
    std::unique_ptr<win::RecordingFile> recording;
    if (!options.recordPath.empty() && (recording = win::RecordingFile::open(options.recordPath)))
        app.game().recordTo(*recording, win::narrow(options.recordPath));
    return app.run();
}
