#pragma once
// Every failure message the commands show, worded in one place: what went wrong, where
// (the caption the operator sees) and what to do.
#include <string>

#include "common/errors.h"

namespace corvella::messages {

inline constexpr const char* kNonNumerial = "You have entered a NON numerial.";

// A box on the state screen that is not a number.
std::string stateBoxNotANumber(const ConversionError& e);
// A box of a settings screen that is not a number, at its save.
std::string correctAndSaveAgain(const Error& e);
// The city screens' numbers that could not be saved.
std::string checkYourNumbers(const Error& e);
// A rate box of "User Info" that is not a number, at ADD.
std::string userInfoRateNotANumber(const std::string& text, const std::string& box);

std::string stateNotSaved(const Error& e);
std::string defaultsNotSaved(const Error& e);
std::string employeeNotSaved(const Error& e);
std::string payRunNotSaved(const Error& e);
std::string headingNotSaved(const Error& e);
std::string employeeNotOpened(const std::string& name, const Error& e);
std::string interruptedSave(const std::string& folder, const Error& e);
std::string fedTableUnreadable(const std::string& fileName, int line);
std::string fedTableMissing(const std::string& fileName, const std::string& folder);
// A run refused because one of its amounts is not a number or is beyond any real pay.
std::string payRunUnsound(const std::string& amount);
// Added to the damaged-file message of a file the next save replaces.
std::string damagedFileWillBeKept(const std::string& fileName);
// A damaged file moved aside before the first write over it.
std::string damagedFileKept(const std::string& fileName, const std::string& keptAs);
// File > "Restore from Backup…".
std::string noBackups(const std::string& name);
std::string noBackupOfDay(const std::string& name, const std::string& day);
std::string restoreBackupQuestion(const std::string& name, const std::string& day);
std::string backupNotRestored(const std::string& name, const std::string& day, const Error& e);
std::string employeeExists(const std::string& name);
std::string ledgerDamaged(const ReadError& e);
std::string ledgerNotSaved(const std::string& fileName, const Error& e);
std::string weekNotUsed(int week, int rows);
std::string exportNotWritten(const std::string& path, const Error& e);

}  // namespace corvella::messages
