// A read-only FUSE file system with one file: a copy of SOURCE followed by a tail of zeros. The
// copy reads at full speed; a read that reaches into the tail is logged to LOG and then held
// until its caller is interrupted (a killed process, a cancelled read) or HOLD_SECONDS pass, like
// a damaged stretch of a floppy or a stick that the drive retries. Pages are not cached, so every
// read of the program reaches this process.
//
// usage: slow_tail_fs SOURCE TAIL_BYTES HOLD_SECONDS LOG MOUNTPOINT [FUSE OPTIONS]
#define FUSE_USE_VERSION 31

#include <errno.h>
#include <fcntl.h>
#include <fuse.h>
#include <libgen.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

static char* g_source;
static size_t g_sourceBytes;
static off_t g_tailBytes;
static int g_holdSeconds;
static const char* g_logPath;
static char g_name[256];

static off_t FileBytes(void) {
    return (off_t)g_sourceBytes + g_tailBytes;
}

static int IsOurFile(const char* path) {
    return path[0] == '/' && strcmp(path + 1, g_name) == 0;
}

static int GetAttr(const char* path, struct stat* st, struct fuse_file_info* fi) {
    (void)fi;
    memset(st, 0, sizeof *st);
    if (strcmp(path, "/") == 0) {
        st->st_mode = S_IFDIR | 0555;
        st->st_nlink = 2;
        return 0;
    }
    if (!IsOurFile(path)) {
        return -ENOENT;
    }
    st->st_mode = S_IFREG | 0444;
    st->st_nlink = 1;
    st->st_size = FileBytes();
    return 0;
}

static int ReadDir(const char* path, void* buf, fuse_fill_dir_t fill, off_t offset,
                   struct fuse_file_info* fi, enum fuse_readdir_flags flags) {
    (void)offset;
    (void)fi;
    (void)flags;
    if (strcmp(path, "/") != 0) {
        return -ENOENT;
    }
    fill(buf, ".", NULL, 0, 0);
    fill(buf, "..", NULL, 0, 0);
    fill(buf, g_name, NULL, 0, 0);
    return 0;
}

static int Open(const char* path, struct fuse_file_info* fi) {
    if (!IsOurFile(path)) {
        return -ENOENT;
    }
    if ((fi->flags & O_ACCMODE) != O_RDONLY) {
        return -EROFS;
    }
    fi->direct_io = 1;
    return 0;
}

static void LogSlowRead(off_t offset, size_t size) {
    FILE* log = fopen(g_logPath, "a");
    if (log != NULL) {
        fprintf(log, "slow read of %zu bytes at %lld\n", size, (long long)offset);
        fclose(log);
    }
}

// Holds a read that reached the tail; false when its caller gave up on it.
static int HoldRead(void) {
    struct timespec tick = {0, 10 * 1000 * 1000};
    for (long waited = 0; waited < g_holdSeconds * 100L; ++waited) {
        if (fuse_interrupted()) {
            return 0;
        }
        nanosleep(&tick, NULL);
    }
    return 1;
}

static int Read(const char* path, char* buf, size_t size, off_t offset, struct fuse_file_info* fi) {
    (void)fi;
    if (!IsOurFile(path)) {
        return -ENOENT;
    }
    if (offset >= FileBytes()) {
        return 0;
    }
    if ((off_t)size > FileBytes() - offset) {
        size = (size_t)(FileBytes() - offset);
    }
    if (offset + (off_t)size > (off_t)g_sourceBytes) {
        LogSlowRead(offset, size);
        if (!HoldRead()) {
            return -EINTR;
        }
    }
    memset(buf, 0, size);
    if (offset < (off_t)g_sourceBytes) {
        size_t copied = g_sourceBytes - (size_t)offset;
        memcpy(buf, g_source + offset, copied < size ? copied : size);
    }
    return (int)size;
}

static const struct fuse_operations kOperations = {
    .getattr = GetAttr,
    .readdir = ReadDir,
    .open = Open,
    .read = Read,
};

static int LoadSource(const char* path) {
    FILE* file = fopen(path, "rb");
    if (file == NULL) {
        return 0;
    }
    fseek(file, 0, SEEK_END);
    long bytes = ftell(file);
    fseek(file, 0, SEEK_SET);
    g_source = malloc(bytes > 0 ? (size_t)bytes : 1);
    int ok =
        g_source != NULL && bytes >= 0 && fread(g_source, 1, (size_t)bytes, file) == (size_t)bytes;
    fclose(file);
    g_sourceBytes = (size_t)bytes;
    return ok;
}

int main(int argc, char* argv[]) {
    if (argc < 6) {
        fprintf(stderr, "usage: slow_tail_fs SOURCE TAIL_BYTES HOLD_SECONDS LOG MOUNTPOINT "
                        "[FUSE OPTIONS]\n");
        return 64;
    }
    if (!LoadSource(argv[1])) {
        fprintf(stderr, "slow_tail_fs: cannot read %s\n", argv[1]);
        return 1;
    }
    snprintf(g_name, sizeof g_name, "%s", basename(argv[1]));
    g_tailBytes = (off_t)atoll(argv[2]);
    g_holdSeconds = atoi(argv[3]);
    g_logPath = argv[4];
    argv[4] = argv[0];
    return fuse_main(argc - 4, argv + 4, &kOperations, NULL);
}
