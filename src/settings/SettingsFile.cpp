#include "settings/SettingsFile.h"

#include <limits>
#include <new>
#include <optional>

#include "app/resource.h"
#include "files/FileAccess.h"
#include "files/PathText.h"
#include "files/TextEncoding.h"
#include "files/TextFile.h"

namespace tilora {
namespace {

constexpr wchar_t kWhiteSpace[] = L" \t\n\v\f\r";

std::wstring Trimmed(std::wstring_view text) {
    const std::size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::wstring_view::npos) return std::wstring();
    const std::size_t last = text.find_last_not_of(kWhiteSpace);
    return std::wstring(text.substr(first, last - first + 1));
}

// The value of the line when it begins with the key, with white space removed at both ends.
std::optional<std::wstring> ValueAfter(const std::wstring& line, std::wstring_view key) {
    if (!std::wstring_view(line).starts_with(key)) return std::nullopt;
    return Trimmed(std::wstring_view(line).substr(key.size()));
}

const wchar_t* TrueOrFalse(bool value) {
    return value ? L"True" : L"False";
}

std::string WithCrLf(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 16);
    for (const char byte : bytes) {
        if (byte == '\n') out += '\r';
        out += byte;
    }
    return out;
}

}  // namespace

void SplitList(const std::wstring& text, const std::wstring& delimiter,
               std::vector<std::wstring>& list) {
    const std::size_t d = delimiter.size();
    std::wstring_view rest(text);
    // An empty delimiter would be found at every position without ever shortening the rest.
    while (d > 0 && rest.size() > d) {
        const std::size_t found = rest.find(delimiter);
        if (found == std::wstring_view::npos) break;
        list.push_back(Trimmed(rest.substr(0, found)));
        rest.remove_prefix(found + d);
    }
    std::wstring last = Trimmed(rest);
    if (last.size() >= 3) list.push_back(std::move(last));
}

std::int32_t ParseInteger(std::wstring_view text) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    std::size_t i = text.find_first_not_of(kWhiteSpace);
    if (i == std::wstring_view::npos) return 0;
    bool negative = false;
    if (text[i] == L'+' || text[i] == L'-') negative = text[i++] == L'-';
    std::int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        // Past the 32-bit range the digits still belong to the number but change nothing.
        if (magnitude <= kMax + 1) magnitude = magnitude * 10 + (text[i] - L'0');
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > kMax) return static_cast<std::int32_t>(kMax);
    if (value < kMin) return static_cast<std::int32_t>(kMin);
    return static_cast<std::int32_t>(value);
}

int WriteTextFile8(const std::wstring& path, const std::wstring& text) {
    try {
        if (const std::optional<std::string> ansi = EncodeCp1252(text)) {
            return ReplaceFileContents(path, WithCrLf(*ansi));
        }
        // One character without an 8-bit form would otherwise be lost at the next start.
        return ReplaceFileContents(path, "\xEF\xBB\xBF" + WithCrLf(EncodeUtf8(text)));
    } catch (const std::bad_alloc&) {
        return kErrorNotEnoughMemory;
    }
}

SettingsFile::SettingsFile(DialogControls& controls, MessageCatalogue& catalogue, InfoLog& infoLog)
    : controls_(controls), catalogue_(catalogue), infoLog_(infoLog) {}

void SettingsFile::ReadSettings(const std::wstring& path) {
    std::vector<std::wstring> lines;
    const int result = ReadTextLines(path, lines);
    if (result < 0) {
        // The current tables are not filled yet at start-up, so the stored ones are used.
        infoLog_.AppendInfo(MessageCatalogue::Stored(Language::English, TextFamily::Messages,
                                                     msg::SettingsOpenFailed) +
                            FormatInteger(-result));
        return;
    }
    for (const std::wstring& line : lines) ReadLine(line);
}

void SettingsFile::ReadLine(const std::wstring& line) {
    if (auto value = ValueAfter(line, kLanguageKey)) {
        ReadLanguage(*value);
    } else if (auto position = ValueAfter(line, kStartPositionKey)) {
        ReadStartPosition(*position);
    } else if (auto topmost = ValueAfter(line, kTopmostKey)) {
        ReadTopmost(std::move(*topmost));
    } else if (auto minimize = ValueAfter(line, kMinimizeKey)) {
        ReadMinimize(std::move(*minimize));
    } else if (auto excludeMax = ValueAfter(line, kExcludeMaxKey)) {
        ReadExcludeMax(*excludeMax);
    }
}

void SettingsFile::ReadLanguage(const std::wstring& value) {
    if (value == L"English") {
        catalogue_.SetCurrentLanguage(L"English");
        infoLog_.AppendInfo(L"Read Settings File:");
    } else if (value == L"German") {
        catalogue_.SetCurrentLanguage(L"German");
        infoLog_.AppendInfo(L"Lese die Einstellungen-Datei:");
    } else {
        catalogue_.SetCurrentLanguage(L"English");
        infoLog_.AppendInfo(MessageCatalogue::Stored(Language::English, TextFamily::Messages,
                                                     msg::LanguageNotFound));
    }
    infoLog_.AppendInfo(kLanguageKey + catalogue_.currentLanguage());
}

void SettingsFile::ReadStartPosition(const std::wstring& value) {
    const std::size_t comma = value.find(L',');
    if (comma == std::wstring::npos) return;
    startPosition_.x = ParseInteger(Trimmed(std::wstring_view(value).substr(0, comma)));
    startPosition_.y = ParseInteger(Trimmed(std::wstring_view(value).substr(comma + 1)));
    infoLog_.AppendInfo(kStartPositionKey + value);
}

void SettingsFile::ReadTopmost(std::wstring value) {
    if (value == L"True") {
        topmostSetting_ = true;
    } else {
        if (value != L"False") {
            value = L"False";
            infoLog_.AppendInfo(MessageCatalogue::Stored(
                catalogue_.SelectedLanguage(), TextFamily::Messages, msg::TopmostNotFound));
        }
        topmostSetting_ = false;
    }
    controls_.SetChecked(IDC_CK_TOP, topmostSetting_);
    infoLog_.AppendInfo(kTopmostKey + value);
}

void SettingsFile::ReadMinimize(std::wstring value) {
    // An unrecognised value switches the option off; the echoed line shows which way it went.
    if (value != L"True") value = L"False";
    controls_.SetChecked(IDC_CK_MIN, value == L"True");
    infoLog_.AppendInfo(kMinimizeKey + value);
}

void SettingsFile::ReadExcludeMax(const std::wstring& value) {
    excludeMaxText_ = value;
    SplitList(excludeMaxText_, L";", excludeMaxList_);
}

int SettingsFile::WriteSettings(const std::wstring& path, const Rect& ownWindowRect) const {
    std::wstring text;
    text += kLanguageKey + catalogue_.currentLanguage() + L"\n";
    text += kStartPositionKey + FormatInteger(ownWindowRect.left) + L"," +
            FormatInteger(ownWindowRect.top) + L"\n";
    text += kTopmostKey + std::wstring(TrueOrFalse(controls_.IsChecked(IDC_CK_TOP))) + L"\n";
    text += kMinimizeKey + std::wstring(TrueOrFalse(controls_.IsChecked(IDC_CK_MIN))) + L"\n";
    text += kExcludeMaxKey + excludeMaxText_ + L"\n";
    return WriteTextFile8(path, text);
}

}  // namespace tilora
