#include "commands/SettingsCommands.h"

#include "app/resource.h"
#include "files/TextHelpers.h"
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
    }
}

}  // namespace

void LoadSettings(CommandContext& ctx) {
    const SettingsFileContent content = ReadSettingsFile(ctx.paths.settingsFilePath);
    if (content.error != 0) {
        // The current tables are not filled yet at start-up, so the stored ones are used.
        ctx.Log(MessageCatalogue::Stored(Language::English, Msg::SettingsOpenFailed) +
                FormatInteger(content.error));
        return;
    }
    for (const SettingRead& read : content.text.reads) ReportRead(ctx, read);
    ctx.settings = content.text.values;
}

int StoreSettings(CommandContext& ctx, Point dialogPosition) {
    const std::wstring text = FormatSettings(
        ctx.catalogue.currentLanguage(), dialogPosition, ctx.controls.IsChecked(IDC_CK_TOP),
        ctx.controls.IsChecked(IDC_CK_MIN), ctx.settings.excludeMaxText);
    return WriteSettingsFile(ctx.paths.settingsFilePath, text);
}

}  // namespace tilora
