#include "windows_user_data_folders.h"

namespace {

// Listing or deleting makes a handle count in the sharing checks (reading attributes alone does
// not), so that leaving out FILE_SHARE_DELETE keeps others from deleting or renaming the file.
constexpr DWORD PathPartAccess = FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | SYNCHRONIZE;
constexpr DWORD DataFolderAccess = PathPartAccess | FILE_WRITE_ATTRIBUTES | DELETE;
constexpr DWORD EntryAccess = FILE_READ_ATTRIBUTES | FILE_WRITE_ATTRIBUTES | DELETE | SYNCHRONIZE;
constexpr DWORD HeldSharing = FILE_SHARE_READ | FILE_SHARE_WRITE;
constexpr DWORD ListingBufferBytes = 64 * 1024;
constexpr DWORD SettableAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                     FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_OFFLINE |
                                     FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// Windows 10 1809 and later delete a read-only file through its handle as it is, and take its
// name away at once even while another program still has it open; older systems and other file
// systems refuse this class of the call.
constexpr auto DispositionExClass = static_cast<FILE_INFO_BY_HANDLE_CLASS>(21);
constexpr DWORD DispositionDelete = 0x1;
constexpr DWORD DispositionPosixSemantics = 0x2;
constexpr DWORD DispositionIgnoreReadOnly = 0x10;
struct DispositionEx {
    DWORD flags;
};

bool isLink(DWORD attributes)
{
    return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

bool isFolder(DWORD attributes)
{
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// A drive's root is never a link on Windows; under Wine the drive letter itself is a symbolic
// link, which a look-up by path shows.
bool isDriveRoot(const std::string& path)
{
    return !path.empty() && path.back() == '\\';
}

bool markForDeletion(HANDLE handle)
{
    FILE_DISPOSITION_INFO disposition{TRUE};
    return SetFileInformationByHandle(handle, FileDispositionInfo, &disposition, sizeof disposition) != FALSE;
}

bool setAttributes(HANDLE handle, DWORD attributes)
{
    FILE_BASIC_INFO basic{}; // times of zero stay as they are
    basic.FileAttributes = (attributes & SettableAttributes) != 0 ? attributes & SettableAttributes
                                                                  : FILE_ATTRIBUTE_NORMAL;
    return SetFileInformationByHandle(handle, FileBasicInfo, &basic, sizeof basic) != FALSE;
}

// Only ever called for a file or folder proved to be the launcher's own: where the system cannot
// ignore the read-only attribute, it is cleared through the same handle, and put back when the
// deletion fails all the same.
bool deleteThroughHandle(HANDLE handle, DWORD attributes)
{
    DispositionEx disposition{DispositionDelete | DispositionPosixSemantics | DispositionIgnoreReadOnly};
    if (SetFileInformationByHandle(handle, DispositionExClass, &disposition, sizeof disposition))
        return true;
    if (!(attributes & FILE_ATTRIBUTE_READONLY))
        return markForDeletion(handle);
    if (!setAttributes(handle, attributes & ~FILE_ATTRIBUTE_READONLY))
        return false;
    if (markForDeletion(handle))
        return true;
    setAttributes(handle, attributes);
    return false;
}

// Names only ever compare with other names of the same listing and with the launcher's ASCII
// names, so any lossless conversion serves.
std::string narrowName(const WCHAR* name, DWORD bytes)
{
    const int length = static_cast<int>(bytes / sizeof(WCHAR));
    const int size = WideCharToMultiByte(CP_UTF8, 0, name, length, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, name, length, &narrow[0], size, nullptr, nullptr);
    return narrow;
}

FolderEntry entryOf(const FILE_ID_BOTH_DIR_INFO& record)
{
    FolderEntry entry;
    entry.name = narrowName(record.FileName, record.FileNameLength);
    entry.id = static_cast<std::uint64_t>(record.FileId.QuadPart);
    entry.isLink = isLink(record.FileAttributes);
    entry.isFolder = isFolder(record.FileAttributes);
    return entry;
}

} // namespace

FolderKind WindowsUserDataFolders::holdPathPart(const std::string& path)
{
    DWORD attributes = 0;
    return hold(path, PathPartAccess, attributes);
}

FolderKind WindowsUserDataFolders::holdDataFolder(const std::string& path)
{
    return hold(path, DataFolderAccess, dataFolderAttributes_);
}

FolderKind WindowsUserDataFolders::hold(const std::string& path, DWORD access, DWORD& attributes)
{
    OwnedHandle part(CreateFileA(path.c_str(), access, HeldSharing, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    BY_HANDLE_FILE_INFORMATION information;
    if (!part.valid() || !GetFileInformationByHandle(part.get(), &information))
        return FolderKind::Missing;
    // The handle's own attributes are what count on Windows. The look-up by path is for Wine,
    // which opens a Linux symbolic link as the folder it leads to and shows the link only there;
    // attributes that cannot be read count as a link.
    if (isLink(information.dwFileAttributes) || (!isDriveRoot(path) && isLink(GetFileAttributesA(path.c_str()))))
        return FolderKind::Link;
    if (!isFolder(information.dwFileAttributes))
        return FolderKind::Missing;
    heldParts_.push_back(std::move(part));
    attributes = information.dwFileAttributes;
    return FolderKind::Folder;
}

bool WindowsUserDataFolders::listDataFolder(const std::function<void(const FolderEntry&)>& visit)
{
    std::vector<LONGLONG> buffer(ListingBufferBytes / sizeof(LONGLONG));
    FILE_INFO_BY_HANDLE_CLASS request = FileIdBothDirectoryRestartInfo;
    while (GetFileInformationByHandleEx(heldParts_.back().get(), request, buffer.data(), ListingBufferBytes)) {
        request = FileIdBothDirectoryInfo;
        const char* at = reinterpret_cast<const char*>(buffer.data());
        for (;;) {
            const auto& record = *reinterpret_cast<const FILE_ID_BOTH_DIR_INFO*>(at);
            visit(entryOf(record));
            if (record.NextEntryOffset == 0)
                break;
            at += record.NextEntryOffset;
        }
    }
    return GetLastError() == ERROR_NO_MORE_FILES;
}

OpenedEntry WindowsUserDataFolders::openEntry(std::uint64_t id)
{
    FILE_ID_DESCRIPTOR descriptor{};
    descriptor.dwSize = sizeof descriptor;
    descriptor.Type = FileIdType;
    descriptor.FileId.QuadPart = static_cast<LONGLONG>(id);
    openEntry_ = OwnedHandle(OpenFileById(heldParts_.back().get(), &descriptor, EntryAccess, HeldSharing, nullptr,
                                           FILE_FLAG_OPEN_REPARSE_POINT));
    BY_HANDLE_FILE_INFORMATION information;
    if (!openEntry_.valid() || !GetFileInformationByHandle(openEntry_.get(), &information)) {
        openEntry_.close();
        return OpenedEntry{};
    }
    openEntryAttributes_ = information.dwFileAttributes;
    return OpenedEntry{true, isLink(information.dwFileAttributes), isFolder(information.dwFileAttributes),
                       information.nNumberOfLinks};
}

bool WindowsUserDataFolders::deleteOpenEntry()
{
    // A file goes when its last handle closes; until then the folder would not count as empty.
    const bool deleted = deleteThroughHandle(openEntry_.get(), openEntryAttributes_);
    openEntry_.close();
    return deleted;
}

bool WindowsUserDataFolders::deleteDataFolder()
{
    return deleteThroughHandle(heldParts_.back().get(), dataFolderAttributes_);
}

void WindowsUserDataFolders::letGo()
{
    openEntry_.close();
    heldParts_.clear();
}
