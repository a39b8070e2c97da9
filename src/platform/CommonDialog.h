#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class SettingsStore;

enum class FileDialogKind
{
    Open,
    Save
};

// The flag bits of the file dialogs' flag word that the program uses.
namespace DialogFlags {
constexpr int OverwritePrompt = 0x2;
constexpr int HideReadOnly = 0x4;
constexpr int FileMustExist = 0x1000;
} // namespace DialogFlags

// One filter of the filter list: "Tekstualne datoteke (*.txt)" with "*.txt".
struct FileFilter
{
    QString description;
    QString pattern;
};

struct FileDialogRequest
{
    FileDialogKind kind = FileDialogKind::Open;
    QString title;
    QString fileName;
    QList<FileFilter> filters;
    int flags = 0;
    // The folder the dialog starts in; empty for the working folder.
    QString folder;
};

// What actually shows a file or colour dialog. nullopt means the user cancelled.
class CommonDialogBackend
{
public:
    virtual ~CommonDialogBackend() = default;
    virtual std::optional<QString> pickFile(const FileDialogRequest& request) = 0;
    virtual std::optional<quint32> pickColour(quint32 start) = 0;
};

// True when a file dialog may start in the folder: orders can be saved there, and it lies
// outside the system's folders (/usr, /opt, /etc, /var), where even root must not leave
// orders for the package manager to trip over.
bool suitsOrders(const QString& folder);

// The main window's one file and colour dialog. It keeps its title, file name, filter,
// flags and colour between uses, so the last file name chosen anywhere is the starting
// name of the next file dialog.
class CommonDialog
{
public:
    enum class Result
    {
        Accepted,
        Cancelled
    };

    explicit CommonDialog(CommonDialogBackend& backend) : m_backend(backend) {}

    QString title;
    QString fileName;
    int flags = 0;
    quint32 colour = 0;

    // The file dialogs start in the folder of the last file chosen, remembered per user in the
    // store, when orders can be saved there; otherwise in firstFolder.
    void rememberFolderIn(SettingsStore& settings, const QString& firstFolder);

    // "Description|pattern|Description|pattern|", the trailing bar optional.
    void setFilter(const QString& filterList);
    const QList<FileFilter>& filters() const { return m_filters; }

    Result showOpen() { return showFile(FileDialogKind::Open); }
    Result showSave() { return showFile(FileDialogKind::Save); }
    Result showColour();

private:
    Result showFile(FileDialogKind kind);
    QString startFolder() const;

    CommonDialogBackend& m_backend;
    SettingsStore* m_settings = nullptr;
    QString m_firstFolder;
    QList<FileFilter> m_filters;
};
