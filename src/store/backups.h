#pragma once
// Daily backups of each employee's files: before the first write of a day over an
// employee's set, the set as it stands is kept in backup/<YYYY-MM-DD>/ of the working
// folder (hard links where the file system has them, copies otherwise). Sixty days are
// kept. A day's set can be put back as one change.
#include <filesystem>
#include <string>
#include <vector>

#include "common/fileio.h"
#include "common/ports.h"

namespace corvella {

inline constexpr const char* kBackupFolder = "backup";
inline constexpr int kBackupDays = 60;

// The employee a file of the set belongs to ("Ann" for "Ann.use", "Ann.yrw.2026" or a pay
// period saved for Ann), or "" for a file of no employee (the defaults' ".sta",
// Header.sav, a file of another kind).
std::string employeeOfFile(const std::string& fileName);

// "2026-12-10".
std::string backupDayName(const Date& d);

// Whether `file` is a regular file, whose bytes a backup keeps.
bool keepable(const std::filesystem::path& file);
// Keeps the employee's current files in today's folder unless today has them already,
// then removes day folders older than kBackupDays. Throws WriteError.
void backUpBeforeWrite(FileWriter& writer, const std::filesystem::path& folder,
                       const std::string& employee, const Date& today);

// The same for the employees of a payroll run, the folder listed once for them all.
void backUpBeforeRun(FileWriter& writer, const std::filesystem::path& folder,
                     const std::vector<std::string>& employees, const Date& today);

// The employee's member files that are in the folder now, its saved pay periods and kept
// years' ledgers included.
std::vector<std::string> memberFiles(const std::filesystem::path& folder,
                                     const std::string& employee);

// Keeps one file of the employee in today's backup unless today holds it already.
void backUpFile(FileWriter& writer, const std::filesystem::path& folder,
                const std::string& fileName, const Date& today);

// The days that hold a backup of the employee, newest first.
std::vector<std::string> backupDays(const std::filesystem::path& folder,
                                    const std::string& employee);

// The employee's files kept on `day`, as one set to commit.
std::vector<FileContent> backupSet(const std::filesystem::path& folder, const std::string& employee,
                                   const std::string& day);

}  // namespace corvella
