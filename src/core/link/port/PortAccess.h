#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// What the system says about a serial port's device before anyone opens it: whether the node is
// there, who may open it and which other programs hold it. Read-only: nothing here changes a
// permission or touches another process. POSIX systems only; elsewhere every question answers
// "nothing to say" and the open itself tells.
namespace korv {

struct DeviceNode {
    enum class State {
        Present,
        Missing,
        Unreachable,  // a folder on the way may not be entered
        NotADevice,  // a file of another kind
    };
    State state = State::Missing;
    QString path;  // as given
    QString target;  // the node itself, symbolic links followed ("/dev/pts/3")
    uint ownerId = 0;
    QString ownerName;
    uint groupId = 0;
    QString groupName;
    uint mode = 0;  // permission bits, 0660 for a usual serial port
};
DeviceNode inspectDevice(const QString& path);

// The account the program runs under and the groups that count for it.
struct UserAccount {
    uint id = 0;
    QString name;
    QList<uint> sessionGroups;  // what this process carries now
    QList<uint> accountGroups;  // what the account database says; a group joined since login is only here
};
UserAccount currentUser();

enum class AccessFinding {
    Allowed,
    JoinGroup,  // the device's group may read and write it, and the user is not in that group
    LogInAgain,  // the user was put in the group after this session began
    OwnerOnly,  // the group may not read and write it: only its owner can
    OwnerLocked,  // the user owns the device, but its owner bits forbid reading and writing
    Denied,  // the bits would allow it; something else refuses (an access list, a security module)
};
// Why the user may or may not open the device. `systemAllows` is the system's own answer for this
// process, which decides; the node and the account only explain a refusal.
AccessFinding judgeAccess(const DeviceNode& node, const UserAccount& user, bool systemAllows);
bool systemAllowsReadWrite(const QString& path);

struct PortHolder {
    qint64 pid = 0;
    QString name;  // the program's name as the system gives it, e.g. "ModemManager"
};
struct HolderSearch {
    bool supported = true;  // false: this system offers no way to look
    QList<PortHolder> holders;
    int unreadable = 0;  // processes whose descriptors could not be examined (other users')
    // Names of those processes, which anyone may read: a service known to take serial ports can
    // still be named as a suspect.
    QStringList unreadableNames;
};
// Other processes holding the device open, found through /proc/<pid>/fd. This process does not
// count, nor does one holding the master side of a pseudo-terminal: that is the far end of the
// line (an emulator), not a program competing for the port.
HolderSearch findPortHolders(const QString& devicePath);

}  // namespace korv
