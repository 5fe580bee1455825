#pragma once
// The settings store on the per-user registry: REG_SZ values under
// HKEY_CURRENT_USER\Software\Quil\vexolan, each read or write opening and
// closing the key by itself.
#include <windows.h>

#include <cstddef>

#include "shell/settings.h"

constexpr char kSettingsKey[] = "Software\\Quil\\vexolan";

// Fills buffer (at least `size` bytes) with the text of value `name`, or an
// empty text when the key or value is missing, empty or does not fit.
void ReadSetting(const char* name, char* buffer, size_t size = kSettingReadLimit);
// Stores text as REG_SZ value `name`, creating the key when needed. Returns
// the error of creating the key, else that of closing it (0 on success);
// callers ignore it.
LONG WriteSetting(const char* name, const char* text);

// The same under another subkey of HKEY_CURRENT_USER (tests use a throwaway one).
void ReadSettingUnder(const char* subkey, const char* name, char* buffer, size_t size);
LONG WriteSettingUnder(const char* subkey, const char* name, const char* text);
