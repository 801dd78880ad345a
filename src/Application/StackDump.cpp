#include "StackDump.h"

#include "FaultGuard.h"
#include "SignalSafeFile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {
class Writer
{
public:
    Writer(char* out, std::size_t capacity)
        : m_out(out)
        , m_capacity(capacity)
    {
        if (m_capacity > 0)
            m_out[0] = '\0';
    }

    template <class... Args>
    void Print(const char* format, Args... args)
    {
        if (m_length + 1 >= m_capacity)
            return;
        const int written = std::snprintf(m_out + m_length, m_capacity - m_length, format, args...);
        if (written > 0)
            m_length = std::min(m_capacity - 1, m_length + static_cast<std::size_t>(written));
    }

    void Put(char c)
    {
        if (m_length + 1 >= m_capacity)
            return;
        m_out[m_length++] = c;
        m_out[m_length] = '\0';
    }

    std::size_t Length() const { return m_length; }

private:
    char* m_out;
    std::size_t m_capacity;
    std::size_t m_length = 0;
};

char Printable(std::uint8_t byte)
{
    return byte < 32 || byte >= 127 ? '.' : static_cast<char>(byte);
}

struct DumpJob
{
    const std::uint32_t* first;
    const std::uint32_t* end;
    const CSignalSafeFile* file;
};

// Big enough for a full report: 768 lines of at most 90 characters.
char g_dumpText[96 * 1024];

void WriteDumpBody(void* context)
{
    const auto* job = static_cast<const DumpJob*>(context);
    job->file->Write(g_dumpText, FormatStackDump(job->first, job->end, g_dumpText, sizeof g_dumpText));
}
}

const std::uint32_t* StackDumpEnd(const std::uint32_t* stackPointer, const std::uint32_t* stackBase)
{
    const std::uint32_t* limit = stackPointer + kStackDumpMaxWords;
    return stackBase && stackBase < limit ? stackBase : limit;
}

// The dump reads raw stack words, guard zones of the address sanitizer included.
__attribute__((no_sanitize("address"))) std::size_t FormatStackDump(const std::uint32_t* first, const std::uint32_t* end, char* out, std::size_t capacity)
{
    Writer writer(out, capacity);
    writer.Print("nStack\n");
    const std::uint32_t* lineStart = first;
    for (const std::uint32_t* p = first; p + 1 <= end; ++p) {
        if (p == lineStart)
            writer.Print("0x%08lx: ", static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(p)));
        writer.Print("%08x ", static_cast<unsigned>(*p));
        const std::size_t inLine = static_cast<std::size_t>(p - lineStart) + 1;
        if (inLine == 4 || p + 1 == end) {
            for (std::size_t missing = inLine; missing < 4; ++missing)
                writer.Print("         ");
            for (const std::uint32_t* word = lineStart; word <= p; ++word) {
                const std::uint32_t value = *word;
                for (int shift = 0; shift < 32; shift += 8)
                    writer.Put(Printable(static_cast<std::uint8_t>(value >> shift)));
            }
            writer.Put('\n');
            lineStart = p + 1;
        }
    }
    writer.Put('\n');
    return writer.Length();
}

void WriteStackDump(const char* path, const std::uint32_t* stackPointer, const std::uint32_t* stackBase)
{
    const CSignalSafeFile file(path);
    if (!file.IsOpen())
        return;
    DumpJob job { stackPointer, StackDumpEnd(stackPointer, stackBase), &file };
    g_dumpText[0] = '\0';
    if (RunGuarded(WriteDumpBody, &job)) {
        // The text kept so far is NUL-terminated at every step.
        file.Write(g_dumpText, std::strlen(g_dumpText));
        static const char notice[] = "Exception encountered during stack dump.\r\n";
        file.Write(notice, sizeof notice - 1);
    }
}
