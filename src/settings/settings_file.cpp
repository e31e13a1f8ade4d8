#include "settings/settings_file.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "base/ascii.h"
#include "base/legacy_text.h"

namespace {

enum class Section { None, ScanDef, Directories, Global };

const char* const FileHeader =
    "\r\n"
    "// HANDS OFF - don't edit this. Use the configuration menu.\r\n"
    "// The parser is kinda picky and might choke on your modifications done here.\r\n"
    "\r\n";
const char* const LineEnd = "\r\n";

// What stands in for the characters the format cannot hold inside quotes.
const char QuoteReplacement = '\'';
const char LineBreakReplacement = ' ';

// A cursor over one line; every read stops at the line's end.
class LineReader {
public:
    explicit LineReader(const std::string& line) : line_(line) {}

    bool atEnd() const { return position_ >= line_.size(); }
    char peek() const { return atEnd() ? '\0' : line_[position_]; }

    void skipBlanks()
    {
        while (!atEnd() && (line_[position_] == ' ' || line_[position_] == '\t'))
            ++position_;
    }

    // A separator with the blanks and tabs around it; false when it is not there.
    bool separator(char expected)
    {
        skipBlanks();
        if (peek() != expected)
            return false;
        ++position_;
        skipBlanks();
        return true;
    }

    bool consume(char expected)
    {
        if (peek() != expected)
            return false;
        ++position_;
        return true;
    }

    std::string identifier()
    {
        std::string token;
        while (!atEnd() && isIdentifierCharacter(line_[position_]))
            token += toUpperAscii(line_[position_++]);
        return token;
    }

    std::string value()
    {
        if (!consume('"'))
            return identifier();
        std::size_t closing = line_.find('"', position_);
        if (closing == std::string::npos)
            closing = line_.size();
        std::string token = line_.substr(position_, closing - position_);
        position_ = closing;
        consume('"');
        return token;
    }

    std::int32_t number() { return numberFromText(value()); }

private:
    static bool isIdentifierCharacter(char c)
    {
        char upper = toUpperAscii(c);
        return (upper >= 'A' && upper <= 'Z') || (upper >= '0' && upper <= '9') || c == '_' || c == '-';
    }

    // Decimal with an optional sign; no digits give 0. Overlong numbers wrap to 32 bits
    // instead of overflowing.
    static std::int32_t numberFromText(const std::string& text)
    {
        std::size_t i = 0;
        while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
            ++i;
        bool negative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            negative = (text[i++] == '-');
        std::uint32_t magnitude = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
            magnitude = magnitude * 10u + static_cast<std::uint32_t>(text[i] - '0');
        if (negative)
            magnitude = 0u - magnitude;
        return static_cast<std::int32_t>(magnitude);
    }

    const std::string& line_;
    std::size_t position_ = 0;
};

// The low eight bits, as the one-byte fields keep them.
std::uint8_t lowByte(std::int32_t value) { return static_cast<std::uint8_t>(value & 0xFF); }
std::int8_t lowByteSigned(std::int32_t value)
{
    int low = value & 0xFF;
    return static_cast<std::int8_t>(low >= 0x80 ? low - 0x100 : low);
}

void parseSectionLine(LineReader& reader, Section& section)
{
    std::string name = reader.identifier();
    if (reader.peek() != ']')
        return;
    if (name == "SCANDEF")
        section = Section::ScanDef;
    else if (name == "DIRECTORIES")
        section = Section::Directories;
    else if (name == "GLOBAL")
        section = Section::Global;
}

void parseDefinitionLine(LineReader& reader, Settings& settings)
{
    ScanDefinition definition;
    definition.id = reader.number();
    if (!reader.separator('='))
        return;
    definition.name = reader.value();
    if (!reader.separator(','))
        return;
    definition.include = reader.value();
    if (!reader.separator(','))
        return;
    definition.exclude = reader.value();
    if (!reader.separator(','))
        return;
    definition.flags = reader.number();
    settings.definitions.push_back(definition);
}

void parseDirectoryLine(LineReader& reader, Settings& settings, const std::string& driveFormat)
{
    ScanDirectory directory;
    directory.path = reader.value();
    if (!reader.separator('='))
        return;
    directory.definitionId = reader.number();
    if (!reader.separator(','))
        return;
    directory.flags = lowByte(reader.number());
    directory.priority = 0;
    bool named = false;
    if (reader.separator(',')) {
        directory.priority = lowByteSigned(reader.number());
        if (reader.separator(',')) {
            directory.name = reader.value();
            named = true;
        }
    }
    if (!named)
        directory.name = displayNameFromPath(directory.path, driveFormat);
    settings.directories.push_back(directory);
}

void parseGlobalLine(LineReader& reader, GlobalSettings& global)
{
    std::string key = reader.identifier();
    if (!reader.separator('='))
        return;
    std::int32_t value = reader.number();
    if (key == "TRANSPARENCY")
        global.Transparency = lowByte(value);
    else if (key == "SHOWICONS")
        global.ShowIcons = lowByte(value);
    else if (key == "ENABLETRANS")
        global.EnableTrans = lowByte(value);
    else if (key == "NEXTSCANID")
        global.NextScanID = value;
    else if (key == "HOTKEY")
        global.Hotkey = value;
    else if (key == "GLOBALSCANFLAGS")
        global.GlobalScanFlags = value;
    else if (key == "DIALOGSIZEX")
        global.DialogSizeX = value;
    else if (key == "DIALOGSIZEY")
        global.DialogSizeY = value;
    else if (key == "RETRY")
        global.Retry = lowByte(value);
    else if (key == "SHOWEXT")
        global.ShowExt = lowByte(value);
    else if (key == "FIRSTTIMER")
        global.FirstTimer = value;
}

void parseLine(const std::string& line, Section& section, Settings& settings,
               const std::string& driveFormat)
{
    LineReader reader(line);
    reader.skipBlanks();
    if (reader.consume('[')) {
        parseSectionLine(reader, section);
        return;
    }
    switch (section) {
    case Section::ScanDef:
        parseDefinitionLine(reader, settings);
        break;
    case Section::Directories:
        parseDirectoryLine(reader, settings, driveFormat);
        break;
    case Section::Global:
        parseGlobalLine(reader, settings.global);
        break;
    case Section::None:
        break;
    }
}

// One line without its line end; the text of a line ends at a NUL byte.
std::string lineAt(const std::string& text, std::size_t start, std::size_t end)
{
    if (end > start && text[end - 1] == '\r')
        --end;
    std::string line = text.substr(start, end - start);
    line.resize(std::strlen(line.c_str()));
    return line;
}

std::string decimal(long value)
{
    char digits[24];
    std::snprintf(digits, sizeof digits, "%ld", value);
    return digits;
}

std::string quoted(const std::string& text) { return '"' + quotableText(text) + '"'; }

void appendGlobal(std::string& out, const char* key, long value)
{
    out += key;
    out += '=';
    out += decimal(value);
    out += LineEnd;
}

} // namespace

std::string quotableText(const std::string& text)
{
    std::string safe = text.substr(0, text.find('\0'));
    for (char& c : safe) {
        if (c == '"')
            c = QuoteReplacement;
        else if (c == '\r' || c == '\n')
            c = LineBreakReplacement;
    }
    return safe;
}

void parseSettingsText(const std::string& text, Settings& settings, const std::string& driveFormat)
{
    Section section = Section::None;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        parseLine(textFromDataFile(lineAt(text, start, end)), section, settings, driveFormat);
        start = end + 1;
    }
}

std::string formatSettingsText(const Settings& settings)
{
    std::string out = FileHeader;
    out += "[ScanDef]";
    out += LineEnd;
    for (const ScanDefinition& definition : settings.definitions) {
        out += decimal(definition.id) + '=' + quoted(definition.name) + ',' + quoted(definition.include) +
               ',' + quoted(definition.exclude) + ',' + decimal(definition.flags) + LineEnd;
    }
    out += LineEnd;
    out += "[Directories]";
    out += LineEnd;
    for (const ScanDirectory& directory : settings.directories) {
        out += quoted(directory.path) + '=' + decimal(directory.definitionId) + ',' +
               decimal(directory.flags) + ',' + decimal(directory.priority) + ',' +
               quoted(directory.name) + LineEnd;
    }
    out += LineEnd;
    out += "[Global]";
    out += LineEnd;
    const GlobalSettings& global = settings.global;
    appendGlobal(out, "EnableTrans", global.EnableTrans);
    appendGlobal(out, "Retry", global.Retry);
    appendGlobal(out, "ShowIcons", global.ShowIcons);
    appendGlobal(out, "Transparency", global.Transparency);
    appendGlobal(out, "NextScanID", global.NextScanID);
    appendGlobal(out, "GlobalScanFlags", global.GlobalScanFlags);
    appendGlobal(out, "DialogSizeX", global.DialogSizeX);
    appendGlobal(out, "DialogSizeY", global.DialogSizeY);
    appendGlobal(out, "ShowExt", global.ShowExt);
    appendGlobal(out, "FirstTimer", global.FirstTimer);
    appendGlobal(out, "Hotkey", global.Hotkey);
    return out;
}
