#!/usr/bin/env python3
"""Signs a published table set: the Ed25519 signature of its manifesto.txt, in manifesto.sig.

    python3 tools/tablebuilder/sign.py chave ARQUIVO-DA-CHAVE      # makes a new key pair
    python3 tools/tablebuilder/sign.py assinar ARQUIVO-DA-CHAVE PASTA

The private key file holds the 32-byte seed in hex; it is kept by whoever publishes the tables
and never enters the repository. `chave` prints the public key to copy into the program
(src/core/tools/tablemanifest.cpp). The signature goes through libsodium (Debian's libsodium23, the
library the program verifies with), called from the standard library's ctypes.
"""

import ctypes
import ctypes.util
import os
import sys

MANIFEST = "manifesto.txt"
SIGNATURE = "manifesto.sig"


class SignError(Exception):
    pass


def _sodium():
    name = ctypes.util.find_library("sodium") or "libsodium.so.23"
    try:
        lib = ctypes.CDLL(name)
    except OSError as e:
        raise SignError("libsodium não encontrada (pacote libsodium23): %s" % e)
    if lib.sodium_init() < 0:
        raise SignError("libsodium não pôde ser iniciada")
    return lib


def keypair_from_seed(seed):
    """(public key, secret key) bytes of a 32-byte seed."""
    if len(seed) != 32:
        raise SignError("a chave privada deve ter 32 bytes (64 dígitos hexadecimais)")
    lib = _sodium()
    public = ctypes.create_string_buffer(32)
    secret = ctypes.create_string_buffer(64)
    if lib.crypto_sign_seed_keypair(public, secret, seed) != 0:
        raise SignError("a chave não pôde ser derivada")
    return public.raw, secret.raw


def sign(message, seed):
    """The detached Ed25519 signature (64 bytes) of the message."""
    _, secret = keypair_from_seed(seed)
    lib = _sodium()
    signature = ctypes.create_string_buffer(64)
    if lib.crypto_sign_detached(signature, None, message, ctypes.c_ulonglong(len(message)), secret) != 0:
        raise SignError("a assinatura falhou")
    return signature.raw


def verify(message, signature, public):
    lib = _sodium()
    return len(signature) == 64 and lib.crypto_sign_verify_detached(
        signature, message, ctypes.c_ulonglong(len(message)), public) == 0


def read_seed(path):
    with open(path, encoding="ascii") as f:
        try:
            return bytes.fromhex(f.read().strip())
        except ValueError:
            raise SignError("%s não contém uma chave em hexadecimal" % path)


def new_key(path):
    """Writes a fresh private key (readable by its owner only) and answers the public key."""
    seed = os.urandom(32)
    fd = os.open(path, os.O_WRONLY | os.O_CREAT | os.O_EXCL, 0o600)
    with os.fdopen(fd, "w", encoding="ascii") as f:
        f.write(seed.hex() + "\n")
    return keypair_from_seed(seed)[0]


def sign_folder(key_path, folder):
    with open(os.path.join(folder, MANIFEST), "rb") as f:
        message = f.read()
    signature = sign(message, read_seed(key_path))
    with open(os.path.join(folder, SIGNATURE), "w", encoding="ascii", newline="") as f:
        f.write(signature.hex() + "\r\n")


def main(argv=None):
    argv = sys.argv[1:] if argv is None else argv
    try:
        if len(argv) == 2 and argv[0] == "chave":
            public = new_key(argv[1])
            print("chave pública: " + public.hex())
            print("em C++: " + ", ".join("0x%02x" % b for b in public))
            return 0
        if len(argv) == 3 and argv[0] == "assinar":
            sign_folder(argv[1], argv[2])
            return 0
    except (OSError, SignError) as e:
        print("sign.py: %s" % e, file=sys.stderr)
        return 1
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main())
