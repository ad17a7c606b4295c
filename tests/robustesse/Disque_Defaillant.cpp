// Preloaded into the helper: the flushes of files (KEZ_DISQUE_DEFAILLANT=fichier) or of folders (=dossier)
// fail with EIO, as on a failing disk; the others run.
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <sys/stat.h>

static int Appelle(const char* nom, int descripteur) {
    const char* panne = std::getenv("KEZ_DISQUE_DEFAILLANT");
    struct stat etat {};
    const bool dossier = ::fstat(descripteur, &etat) == 0 && S_ISDIR(etat.st_mode);
    if (panne != nullptr && std::strcmp(panne, dossier ? "dossier" : "fichier") == 0) {
        errno = EIO;
        return -1;
    }
    return reinterpret_cast<int (*)(int)>(::dlsym(RTLD_NEXT, nom))(descripteur);
}

extern "C" int fsync(int descripteur) {
    return Appelle("fsync", descripteur);
}

extern "C" int fdatasync(int descripteur) {
    return Appelle("fdatasync", descripteur);
}
