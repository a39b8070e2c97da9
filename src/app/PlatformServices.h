#pragma once

class SettingsStore;
class Prompts;
class CommonDialogBackend;
class UrlOpener;
class RecoveryStore;

// What the windows need of the operating system; the real backends in the program, fakes
// in the tests.
struct PlatformServices
{
    SettingsStore& settings;
    Prompts& prompts;
    CommonDialogBackend& dialogBackend;
    UrlOpener& urls;
    RecoveryStore& recovery;
};
