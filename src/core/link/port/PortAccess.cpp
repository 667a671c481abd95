#include "core/link/port/PortAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <vector>

namespace korv {

namespace {

constexpr uint ReadWrite = 06;
constexpr uint OwnerShift = 6;
constexpr uint GroupShift = 3;

bool allows(uint mode, uint shift)
{
    return ((mode >> shift) & ReadWrite) == ReadWrite;
}

#ifdef Q_OS_UNIX
QString userName(uint id)
{
    const passwd* entry = ::getpwuid(id);
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QString::number(id);
}

QString groupName(uint id)
{
    const group* entry = ::getgrgid(id);
    return entry ? QString::fromLocal8Bit(entry->gr_name) : QString::number(id);
}
#endif

#ifdef Q_OS_LINUX
QString readSmallFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLocal8Bit(file.read(4096)).trimmed();
}

// The pseudo-terminal a master descriptor serves, from its fdinfo ("tty-index:\t3").
int ptyIndexOfMaster(const QString& fdinfo)
{
    const QString text = readSmallFile(fdinfo);
    for (const QStringView line : QStringView(text).split(u'\n')) {
        if (line.startsWith(u"tty-index:")) {
            bool ok = false;
            const int index = line.mid(10).trimmed().toInt(&ok);
            return ok ? index : -1;
        }
    }
    return -1;
}
#endif

}  // namespace

DeviceNode inspectDevice(const QString& path)
{
    DeviceNode node;
    node.path = path;
#ifdef Q_OS_UNIX
    struct stat info { };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        node.state = errno == EACCES ? DeviceNode::State::Unreachable : DeviceNode::State::Missing;
        return node;
    }
    node.target = QFileInfo(path).canonicalFilePath();
    node.state = S_ISCHR(info.st_mode) ? DeviceNode::State::Present : DeviceNode::State::NotADevice;
    node.ownerId = info.st_uid;
    node.ownerName = userName(info.st_uid);
    node.groupId = info.st_gid;
    node.groupName = groupName(info.st_gid);
    node.mode = info.st_mode & 07777;
#else
    node.state = DeviceNode::State::Present;
    node.target = path;
#endif
    return node;
}

UserAccount currentUser()
{
    UserAccount user;
#ifdef Q_OS_UNIX
    user.id = ::getuid();
    const passwd* entry = ::getpwuid(user.id);
    user.name = entry ? QString::fromLocal8Bit(entry->pw_name) : QString::number(user.id);
    user.sessionGroups.append(::getegid());
    const int count = ::getgroups(0, nullptr);
    if (count > 0) {
        std::vector<gid_t> groups(static_cast<size_t>(count));
        const int got = ::getgroups(count, groups.data());
        for (int i = 0; i < got; ++i)
            user.sessionGroups.append(groups[static_cast<size_t>(i)]);
    }
#ifdef Q_OS_LINUX
    if (entry) {
        const QByteArray name(entry->pw_name);
        int wanted = 32;
        std::vector<gid_t> groups;
        for (int round = 0; round < 4; ++round) {
            groups.resize(static_cast<size_t>(wanted));
            if (::getgrouplist(name.constData(), entry->pw_gid, groups.data(), &wanted) >= 0) {
                for (int i = 0; i < wanted; ++i)
                    user.accountGroups.append(groups[static_cast<size_t>(i)]);
                break;
            }
        }
    }
#endif
#endif
    return user;
}

AccessFinding judgeAccess(const DeviceNode& node, const UserAccount& user, bool systemAllows)
{
    if (systemAllows)
        return AccessFinding::Allowed;
    if (user.id == node.ownerId)
        return allows(node.mode, OwnerShift) ? AccessFinding::Denied : AccessFinding::OwnerLocked;
    // Bits that let everyone in leave no group to join: something else refuses.
    if (allows(node.mode, 0))
        return AccessFinding::Denied;
    if (allows(node.mode, GroupShift)) {
        if (user.sessionGroups.contains(node.groupId))
            return AccessFinding::Denied;
        return user.accountGroups.contains(node.groupId) ? AccessFinding::LogInAgain : AccessFinding::JoinGroup;
    }
    return AccessFinding::OwnerOnly;
}

bool systemAllowsReadWrite(const QString& path)
{
#ifdef Q_OS_UNIX
    return ::access(QFile::encodeName(path).constData(), R_OK | W_OK) == 0;
#else
    Q_UNUSED(path);
    return true;
#endif
}

HolderSearch findPortHolders(const QString& devicePath)
{
    HolderSearch search;
#ifdef Q_OS_LINUX
    const QString target = QFileInfo(devicePath).canonicalFilePath();
    if (target.isEmpty())
        return search;
    const QString ptsPrefix = QStringLiteral("/dev/pts/");
    bool isPty = false;
    const int ptyIndex = target.startsWith(ptsPrefix) ? target.mid(ptsPrefix.size()).toInt(&isPty) : -1;
    const QString self = QString::number(::getpid());

    const QDir proc(QStringLiteral("/proc"));
    const QStringList pids = proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& pid : pids) {
        bool numeric = false;
        pid.toLongLong(&numeric);
        if (!numeric || pid == self)
            continue;
        const QDir fds(proc.filePath(pid + QStringLiteral("/fd")));
        const QString comm = proc.filePath(pid + QStringLiteral("/comm"));
        if (!fds.isReadable()) {
            ++search.unreadable;
            search.unreadableNames << readSmallFile(comm);
            continue;
        }
        bool holds = false;
        bool farEnd = false;
        bool blind = false;  // a descriptor whose target the system would not tell
        const QStringList entries = fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        for (const QString& fd : entries) {
            const QString link = QFile::symLinkTarget(fds.filePath(fd));
            if (link.isEmpty())
                blind = true;
            else if (link == target)
                holds = true;
            else if (isPty && (link == QLatin1String("/dev/ptmx") || link == QLatin1String("/dev/pts/ptmx")))
                farEnd = farEnd || ptyIndexOfMaster(proc.filePath(pid + QStringLiteral("/fdinfo/") + fd)) == ptyIndex;
        }
        if (blind && !holds) {
            ++search.unreadable;
            search.unreadableNames << readSmallFile(comm);
        }
        if (!holds || farEnd)
            continue;
        const QString name = readSmallFile(comm);
        search.holders.append({ pid.toLongLong(), name.isEmpty() ? pid : name });
    }
#else
    Q_UNUSED(devicePath);
    search.supported = false;
#endif
    return search;
}

}  // namespace korv
