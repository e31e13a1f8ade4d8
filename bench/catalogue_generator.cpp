#include "catalogue_generator.h"

#include <random>
#include <string>

namespace {

const char* const Words[] = {
    "Photo", "Album", "Viewer", "Editor", "Tape", "Backup", "Setup", "Install", "Uninstall", "Readme",
    "Microsoft", "Office", "Word", "Excel", "Power", "Point", "Outlook", "Internet", "Explorer", "Notepad",
    "Paint", "Media", "Player", "Windows", "Update", "Report", "Invoice", "Letter", "Budget", "Project",
    "Game", "Chess", "Solitaire", "Calculator", "Command", "Prompt", "Control", "Panel", "Network", "Help",
    "Manual", "Guide", "Release", "Notes", "Archive", "Music", "Video", "Studio", "Adobe", "Reader",
    "Acrobat", "Visual", "Basic", "Source", "Safe", "Mail", "Address", "Book", "Quick", "Time",
    "Real", "Audio", "Recorder", "Sound", "Volume", "Disk", "Cleanup", "Defrag", "Scan", "Antivirus",
    "Firewall", "Print", "Fax", "Scanner", "Camera", "Wizard", "Tour", "Tutorial", "Sample", "Demo",
};
// Words of names in other scripts: Latin-1, Cyrillic, Greek, Chinese, Korean.
const char* const ScriptWords[] = {
    "Café", "Résumé", "Über", "Straße", "Niño", "Señal", "Größe", "Français", "Déjà", "Øre",
    "Москва", "Карта", "Почта", "Фото", "Редактор", "Музыка", "Сеть", "Игры",
    "Εικόνα", "Αρχείο", "Σημειώσεις", "Μουσική", "Ρυθμίσεις",
    "微信", "重启", "设置", "浏览器", "音乐", "照片", "文档", "计算器", "记事本", "银行",
    "카카오톡", "설정", "사진", "음악", "메모장", "계산기", "게임",
};
const char* const Extensions[] = {".lnk", ".exe", ".doc", ".txt", ".pdf", ".xls", ".url", ".htm", ".mp3", ".jpg", ""};
const char* const Roots[] = {
    "C:\\Documents and Settings\\User\\Start Menu\\Programs\\",
    "C:\\Documents and Settings\\User\\My Documents\\",
    "C:\\Documents and Settings\\All Users\\Start Menu\\Programs\\",
    "C:\\Documents and Settings\\User\\Favorites\\",
    "C:\\Documents and Settings\\User\\Desktop\\",
    "D:\\Projects\\",
    "D:\\Music\\",
    "C:\\Program Files\\",
};

template <typename T, std::size_t N>
const T& pick(std::mt19937& random, const T (&list)[N])
{
    return list[random() % N];
}

std::string makeName(std::mt19937& random)
{
    std::string name;
    const int words = 1 + static_cast<int>(random() % 4);
    const int style = static_cast<int>(random() % 4); // spaced, CamelCase, dashed, lower
    for (int w = 0; w < words; ++w) {
        std::string word = pick(random, Words);
        if (style == 3)
            for (char& c : word)
                c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
        if (w > 0 && style == 0)
            name += ' ';
        if (w > 0 && style == 2)
            name += random() % 2 ? '-' : '_';
        name += word;
    }
    if (random() % 4 == 0)
        name += " " + std::to_string(random() % 2010);
    return name;
}

// A name of one to three words of another script, now and then with an English one; its own
// random stream leaves the other names as they were.
std::string makeScriptName(std::mt19937& random)
{
    std::string name = pick(random, ScriptWords);
    for (int w = static_cast<int>(random() % 3); w > 0; --w) {
        name += ' ';
        name += random() % 3 == 0 ? pick(random, Words) : pick(random, ScriptWords);
    }
    return name;
}

} // namespace

Catalogue makeRealisticCatalogue(std::size_t entryCount, std::size_t directoryCount, unsigned scriptPercent)
{
    std::mt19937 random(12345);
    std::mt19937 scripts(54321);
    Catalogue catalogue;
    catalogue.entries.reserve(entryCount);
    for (std::size_t i = 0; i < entryCount; ++i) {
        CatalogueEntry entry;
        const bool folder = random() % 8 == 0;
        std::string name = makeName(random);
        if (scripts() % 100 < scriptPercent)
            name = makeScriptName(scripts);
        const std::string extension = folder ? "" : pick(random, Extensions);
        std::string path = pick(random, Roots);
        if (random() % 2)
            path += makeName(random) + "\\";
        path += name + extension;
        entry.path = path;
        setName(entry, random() % 3 == 0 ? name + extension : name);
        entry.directoryIndex = static_cast<std::int32_t>(random() % directoryCount);
        entry.launchScore = static_cast<std::int8_t>(random() % 20 == 0 ? random() % 11 : 0);
        appendEntry(catalogue, entry);
    }
    return catalogue;
}
