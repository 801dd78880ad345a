#include "FullDisk.h"

#include <sqlite3.h>

#include <sys/stat.h>

#include <cstring>

namespace {
std::int64_t g_free = FullDisk::kUnlimited;
sqlite3_vfs* g_real = nullptr;
sqlite3_vfs g_vfs {};
sqlite3_io_methods g_methods {};

struct File
{
    sqlite3_file base;
    // The real file system's file lives right after this one.
    sqlite3_file* Real() { return reinterpret_cast<sqlite3_file*>(this + 1); }
};

sqlite3_file* RealOf(sqlite3_file* file)
{
    return reinterpret_cast<File*>(file)->Real();
}

void GiveBack(std::int64_t bytes)
{
    if (g_free != FullDisk::kUnlimited && bytes > 0)
        g_free += bytes;
}

std::int64_t SizeOf(sqlite3_file* real)
{
    sqlite3_int64 size = 0;
    return real->pMethods->xFileSize(real, &size) == SQLITE_OK ? size : 0;
}

int Write(sqlite3_file* file, const void* data, int amount, sqlite3_int64 offset)
{
    sqlite3_file* real = RealOf(file);
    const std::int64_t growth = offset + amount - SizeOf(real);
    if (g_free != FullDisk::kUnlimited && growth > 0) {
        if (growth > g_free)
            return SQLITE_FULL;
        g_free -= growth;
    }
    return real->pMethods->xWrite(real, data, amount, offset);
}

int Truncate(sqlite3_file* file, sqlite3_int64 size)
{
    sqlite3_file* real = RealOf(file);
    const std::int64_t before = SizeOf(real);
    const int result = real->pMethods->xTruncate(real, size);
    if (result == SQLITE_OK)
        GiveBack(before - size);
    return result;
}

int Close(sqlite3_file* file)
{
    sqlite3_file* real = RealOf(file);
    return real->pMethods->xClose(real);
}

int Read(sqlite3_file* file, void* data, int amount, sqlite3_int64 offset)
{
    sqlite3_file* real = RealOf(file);
    return real->pMethods->xRead(real, data, amount, offset);
}

int Sync(sqlite3_file* file, int flags)
{
    sqlite3_file* real = RealOf(file);
    return real->pMethods->xSync(real, flags);
}

int FileSize(sqlite3_file* file, sqlite3_int64* size)
{
    sqlite3_file* real = RealOf(file);
    return real->pMethods->xFileSize(real, size);
}

int Lock(sqlite3_file* file, int level)
{
    sqlite3_file* real = RealOf(file);
    return real->pMethods->xLock(real, level);
}

int Unlock(sqlite3_file* file, int level)
{
    sqlite3_file* real = RealOf(file);
    return real->pMethods->xUnlock(real, level);
}

int CheckReservedLock(sqlite3_file* file, int* reserved)
{
    sqlite3_file* real = RealOf(file);
    return real->pMethods->xCheckReservedLock(real, reserved);
}

int FileControl(sqlite3_file* file, int op, void* argument)
{
    sqlite3_file* real = RealOf(file);
    return real->pMethods->xFileControl(real, op, argument);
}

int SectorSize(sqlite3_file* file)
{
    sqlite3_file* real = RealOf(file);
    return real->pMethods->xSectorSize(real);
}

int DeviceCharacteristics(sqlite3_file* file)
{
    sqlite3_file* real = RealOf(file);
    return real->pMethods->xDeviceCharacteristics(real);
}

int Open(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags)
{
    auto* shim = reinterpret_cast<File*>(file);
    shim->base.pMethods = nullptr;
    const int result = g_real->xOpen(g_real, name, shim->Real(), flags, outFlags);
    if (shim->Real()->pMethods)
        shim->base.pMethods = &g_methods;
    return result;
}

int Delete(sqlite3_vfs*, const char* name, int syncDirectory)
{
    struct stat file {};
    const std::int64_t size = stat(name, &file) == 0 ? file.st_size : 0;
    const int result = g_real->xDelete(g_real, name, syncDirectory);
    if (result == SQLITE_OK)
        GiveBack(size);
    return result;
}
}

FullDisk::FullDisk()
{
    g_real = sqlite3_vfs_find("unix");
    g_vfs = *g_real;
    g_vfs.iVersion = 1;
    g_vfs.szOsFile = static_cast<int>(sizeof(File)) + g_real->szOsFile;
    g_vfs.zName = "fulldisk";
    g_vfs.pNext = nullptr;
    g_vfs.xOpen = Open;
    g_vfs.xDelete = Delete;
    // Version 1 files: no shared memory and no memory mapping, so every write comes through here.
    g_methods = sqlite3_io_methods { 1, Close, Read, Write, Truncate, Sync, FileSize, Lock, Unlock, CheckReservedLock,
        FileControl, SectorSize, DeviceCharacteristics, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr };
    g_free = kUnlimited;
    sqlite3_vfs_register(&g_vfs, 1);
}

FullDisk::~FullDisk()
{
    sqlite3_vfs_unregister(&g_vfs);
    g_free = kUnlimited;
}

void FullDisk::SetFree(std::int64_t bytes)
{
    g_free = bytes;
}

std::int64_t FullDisk::Free() const
{
    return g_free;
}
