#include "core/platform/system_error.h"

#include <cerrno>
#include <cstring>

namespace lumivane {

std::string SystemErrorText(int error) {
    switch (error) {
        case ENOSPC:
            return "磁盘空间不足";
        case EDQUOT:
            return "超出磁盘配额";
        case EACCES:
        case EPERM:
            return "没有权限";
        case EROFS:
            return "文件系统只读";
        case ENOENT:
            return "文件或文件夹不存在";
        case ENOTDIR:
            return "路径中的一项不是文件夹";
        case EISDIR:
            return "这是一个文件夹";
        case EIO:
            return "读写设备出错";
        default:
            return std::strerror(error);
    }
}

}  // namespace lumivane
