#include "commands/SettingsCommands.h"

#include "files/FileAccess.h"
#include "files/TextHelpers.h"
#include "platform/ControlIds.h"
#include "settings/SettingsFile.h"

namespace tilora {
namespace {

// The log lines of one setting taken in, in the language as read so far.
void ReportRead(CommandContext& ctx, const SettingRead& read) {
    switch (read.key) {
        case SettingKey::Language:
            ctx.catalogue.SetCurrentLanguage(read.value);
            if (!read.recognised) {
                ctx.Log(MessageCatalogue::Stored(Language::English, Msg::LanguageNotFound));
            } else if (read.value == L"English") {
                ctx.Log(L"Read Settings File:");
            } else {
                ctx.Log(L"Lese die Einstellungen-Datei:");
            }
            ctx.Log(kLanguageKey + read.value);
            break;
        case SettingKey::StartPosition:
            ctx.Log(kStartPositionKey + read.value);
            break;
        case SettingKey::Topmost:
            if (!read.recognised) {
                ctx.Log(MessageCatalogue::Stored(ctx.catalogue.SelectedLanguage(),
                                                 Msg::TopmostNotFound));
            }
            ctx.controls.SetChecked(IDC_CK_TOP, read.value == L"True");
            ctx.Log(kTopmostKey + read.value);
            break;
        case SettingKey::Minimize:
            ctx.controls.SetChecked(IDC_CK_MIN, read.value == L"True");
            ctx.Log(kMinimizeKey + read.value);
            break;
        case SettingKey::ExcludeMax:
            break;
        case SettingKey::FollowMonitors:
            ctx.Log(kFollowMonitorsKey + read.value);
            break;
    }
}

// The program never changes the exclusion list itself, but the user may edit it in the file while
// the program runs (one of the commands opens the file for that): such an edit must not be written
// over. The language, position and check boxes still come from the running dialog.
void TakeExclusionsEditedMeanwhile(CommandContext& ctx) {
    const SettingsFileContent now = ReadSettingsFile(ctx.paths.settingsFilePath);
    if (now.error != 0 || now.bytes == ctx.session.settingsFileBytes) return;
    ctx.settings.excludeMaxText = now.text.values.excludeMaxText;
    ctx.settings.excludeMaxList = now.text.values.excludeMaxList;
    ctx.session.settingsFileBytes = now.bytes;
    // The stored table, as the dialog may close before its first paint filled the current one.
    ctx.Log(MessageCatalogue::Stored(ctx.catalogue.SelectedLanguage(),
                                     Msg::SettingsEditedWhileRunning) +
            ctx.paths.settingsFilePath);
}

}  // namespace

void LoadSettings(CommandContext& ctx) {
    const SettingsFileContent content = ReadSettingsFile(ctx.paths.settingsFilePath);
    if (content.error != 0) {
        // The current tables are not filled yet at start-up, so the stored ones are used.
        ctx.Log(MessageCatalogue::Stored(Language::English, Msg::SettingsOpenFailed) +
                FormatInteger(content.error));
    }
    for (const SettingRead& read : content.text.reads) ReportRead(ctx, read);
    if (content.error == 0) ctx.settings = content.text.values;
    ctx.session.settingsFileBytes = content.bytes;
    if (content.notUnderstood) {
        // Nothing was read, so the language is English.
        ctx.session.keepSettingsFile = true;
        ctx.Log(MessageCatalogue::Stored(Language::English, Msg::SettingsFileKept) +
                KeptSettingsPathFor(ctx.paths.settingsFilePath));
    }
}

SettingsWriteOutcome StoreSettings(CommandContext& ctx, Point dialogPosition) {
    const std::wstring& path = ctx.paths.settingsFilePath;
    TakeExclusionsEditedMeanwhile(ctx);
    if (ctx.session.keepSettingsFile) {
        const int error = KeepSettingsFile(path);
        // The user may have removed the file meanwhile; then there is nothing to keep.
        if (error != 0 && error != kErrorFileNotFound) {
            return {error, KeptSettingsPathFor(path)};
        }
        // Kept once: a second write must not put the program's own file over the user's.
        ctx.session.keepSettingsFile = false;
    }
    const std::wstring text =
        FormatSettings(ctx.catalogue.currentLanguage(), dialogPosition,
                       ctx.controls.IsChecked(IDC_CK_TOP), ctx.controls.IsChecked(IDC_CK_MIN),
                       ctx.settings.excludeMaxText, ctx.settings.followMonitors);
    std::string written;
    const int error = WriteSettingsFile(path, text, &written);
    if (error == 0) ctx.session.settingsFileBytes = std::move(written);
    return {error, path};
}

std::wstring SettingsNotSavedText(const CommandContext& ctx, const SettingsWriteOutcome& outcome) {
    // The stored table, as the dialog may close before its first paint filled the current one.
    const Language language = ctx.catalogue.SelectedLanguage();
    return MessageCatalogue::Stored(language, Msg::SettingsNotSaved) + outcome.path +
           MessageCatalogue::Stored(language, Msg::WindowsErrorFollows) +
           FormatInteger(outcome.error);
}

}  // namespace tilora
