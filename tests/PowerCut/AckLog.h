#pragma once

#include <cstdio>
#include <string>
#include <vector>

// The driver's record of its changes: "? change" before the handler runs, "! change" once it has
// returned with success. Each line reaches the file before the next change starts.
class AckLog
{
public:
    explicit AckLog(const char* path)
        : m_file(std::fopen(path, "a"))
    {
    }
    ~AckLog() { std::fclose(m_file); }
    AckLog(const AckLog&) = delete;
    AckLog& operator=(const AckLog&) = delete;

    void Intent(const std::string& change) { Write("? " + change); }
    void Ack(const std::string& change) { Write("! " + change); }

private:
    void Write(const std::string& line)
    {
        std::fputs((line + "\n").c_str(), m_file);
        std::fflush(m_file);
    }

    std::FILE* m_file;
};

struct AckLine
{
    bool acknowledged = false;
    std::string change;
};

std::vector<AckLine> ReadAckLog(const char* path);
long CountAcknowledged(const std::vector<AckLine>& lines);
