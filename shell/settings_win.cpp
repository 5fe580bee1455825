#include "shell/settings_win.h"

#include <cstring>

void ReadSettingUnder(const char* subkey, const char* name, char* buffer, size_t size) {
  if (size == 0) {
    return;
  }
  buffer[0] = '\0';
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return;
  }
  DWORD bytes = static_cast<DWORD>(size);
  const LONG result =
      RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &bytes);
  RegCloseKey(key);
  // A value too long for the buffer (ERROR_MORE_DATA) leaves the buffer's
  // contents undefined: it is read as absent.
  FinishSettingText(buffer, size, result == ERROR_SUCCESS, bytes);
}

LONG WriteSettingUnder(const char* subkey, const char* name, const char* text) {
  HKEY key = nullptr;
  const LONG created = RegCreateKeyExA(HKEY_CURRENT_USER, subkey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                       KEY_WRITE, nullptr, &key, nullptr);
  if (created != ERROR_SUCCESS) {
    return created;
  }
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                 static_cast<DWORD>(std::strlen(text) + 1));
  return RegCloseKey(key);
}

void ReadSetting(const char* name, char* buffer, size_t size) {
  ReadSettingUnder(kSettingsKey, name, buffer, size);
}

LONG WriteSetting(const char* name, const char* text) {
  return WriteSettingUnder(kSettingsKey, name, text);
}
