#pragma once

class Session;

// Hint balloons of the main window: delay before one shows, between two, before one hides (ms).
struct DelaisBulles
{
    int avant = 100;
    int entre = 50;
    int masquage = 2000;
};
inline constexpr DelaisBulles delais_bulles {};

// The program's start once the single instance is held and the main window's Session exists: configuration,
// mode and folders, then in school mode the levels, folders and clock. Returns whether the identification
// is to be asked now (not while the school-year set-up is pending).
bool demarre_session(Session& session);
