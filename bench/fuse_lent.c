// A read-only view of a folder that waits a fixed time on every open and every read, as a school's file
// server does across the classroom network. Benchmarks only.
//   fuse_lent SOURCE POINT_DE_MONTAGE ATTENTE_US [options de FUSE, -f pour rester au premier plan]
// Several requests wait at once (FUSE's threads), as they do on a real share.
#define FUSE_USE_VERSION 31
#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <fuse.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

static char source[PATH_MAX];
static long attente_us;

static void attend(void)
{
    struct timespec t = {attente_us / 1000000, (attente_us % 1000000) * 1000};
    while (nanosleep(&t, &t) != 0 && errno == EINTR) {
    }
}

static void chemin_reel(char* sortie, const char* chemin)
{
    snprintf(sortie, PATH_MAX, "%s%s", source, chemin);
}

static int lent_getattr(const char* chemin, struct stat* st, struct fuse_file_info* fi)
{
    if (fi)
        return fstat((int)fi->fh, st) == 0 ? 0 : -errno;
    char reel[PATH_MAX];
    chemin_reel(reel, chemin);
    return lstat(reel, st) == 0 ? 0 : -errno;
}

static int lent_readdir(const char* chemin, void* tampon, fuse_fill_dir_t remplit, off_t decalage,
    struct fuse_file_info* fi, enum fuse_readdir_flags drapeaux)
{
    (void)decalage;
    (void)fi;
    (void)drapeaux;
    char reel[PATH_MAX];
    chemin_reel(reel, chemin);
    DIR* d = opendir(reel);
    if (!d)
        return -errno;
    for (struct dirent* e; (e = readdir(d));) {
        struct stat st = {0};
        st.st_ino = e->d_ino;
        st.st_mode = (mode_t)DTTOIF(e->d_type);
        if (remplit(tampon, e->d_name, &st, 0, 0))
            break;
    }
    closedir(d);
    return 0;
}

static int lent_open(const char* chemin, struct fuse_file_info* fi)
{
    if ((fi->flags & O_ACCMODE) != O_RDONLY)
        return -EROFS;
    char reel[PATH_MAX];
    chemin_reel(reel, chemin);
    attend();
    const int fd = open(reel, fi->flags);
    if (fd < 0)
        return -errno;
    fi->fh = (uint64_t)fd;
    return 0;
}

static int lent_read(const char* chemin, char* tampon, size_t taille, off_t decalage, struct fuse_file_info* fi)
{
    (void)chemin;
    attend();
    const ssize_t n = pread((int)fi->fh, tampon, taille, decalage);
    return n < 0 ? -errno : (int)n;
}

static int lent_release(const char* chemin, struct fuse_file_info* fi)
{
    (void)chemin;
    close((int)fi->fh);
    return 0;
}

static void* lent_init(struct fuse_conn_info* conn, struct fuse_config* config)
{
    (void)conn;
    // No attribute or name kept by the kernel: every look-up goes to the "server".
    config->entry_timeout = 0;
    config->attr_timeout = 0;
    config->negative_timeout = 0;
    return NULL;
}

static const struct fuse_operations operations = {
    .getattr = lent_getattr,
    .readdir = lent_readdir,
    .open = lent_open,
    .read = lent_read,
    .release = lent_release,
    .init = lent_init,
};

int main(int argc, char* argv[])
{
    if (argc < 4 || !realpath(argv[1], source)) {
        fprintf(stderr, "usage : %s SOURCE POINT_DE_MONTAGE ATTENTE_US [options de FUSE]\n", argv[0]);
        return 2;
    }
    attente_us = strtol(argv[3], NULL, 10);
    // FUSE sees: programme POINT_DE_MONTAGE [options].
    char* args[64];
    int n = 0;
    args[n++] = argv[0];
    args[n++] = argv[2];
    for (int i = 4; i < argc && n < 63; ++i)
        args[n++] = argv[i];
    args[n] = NULL;
    return fuse_main(n, args, &operations, NULL);
}
