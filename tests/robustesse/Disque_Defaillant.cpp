// Loaded into the helper with LD_PRELOAD, so that the kernel's own answer to a flush is a failure (EIO),
// as from a failing disk: with KEZ_DISQUE_DEFAILLANT=fichier every flush of a file fails, with
// KEZ_DISQUE_DEFAILLANT=dossier only that of a folder. Otherwise the system's own call runs.
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
