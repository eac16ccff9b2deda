"""The published set: the manifest describes the shipped files byte for byte, and a signature
made with the publisher's key verifies only for the manifest it was made for."""

import hashlib
import os
import shutil
import tempfile
import unittest

import build
import sign
import tabwriter

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.normpath(os.path.join(HERE, "..", "..", "..", "data"))


class Manifest(unittest.TestCase):
    def test_lists_every_shipped_file_but_the_users_own_with_its_digest(self):
        rows = tabwriter.read_table(os.path.join(DATA, build.MANIFEST_FILE))
        self.assertEqual(rows[0], ["Formato", "1", "", ""])
        self.assertEqual(rows[1], ["Data", build.set_date(), "", ""])
        listed = {row[0]: row for row in tabwriter.read_table(os.path.join(DATA, "lista.tab"))[1:]}
        files = rows[3:]
        self.assertEqual({row[0] for row in files}, set(listed) - build.USER_FILES)
        for name, last, size, digest in files:
            with self.subTest(file=name):
                with open(os.path.join(DATA, *name.split("/")), "rb") as f:
                    data = f.read()
                self.assertEqual(int(size), len(data))
                self.assertEqual(digest, hashlib.sha256(data).hexdigest())
                self.assertEqual(last, listed[name][1] if len(listed[name]) > 1 else "")

    def test_the_help_page_names_the_sets_date(self):
        with open(os.path.join(DATA, *build.HELP_FILE.split("/")), "rb") as f:
            self.assertIn(("Conjunto de tabelas de %s" % build.set_date()).encode("ascii"), f.read())


class Signature(unittest.TestCase):
    def test_signs_and_verifies_with_a_key_made_for_the_test(self):
        tmp = tempfile.mkdtemp()
        try:
            key = os.path.join(tmp, "chave.hex")
            public = sign.new_key(key)
            self.assertEqual(os.stat(key).st_mode & 0o077, 0)
            shutil.copy(os.path.join(DATA, build.MANIFEST_FILE), tmp)
            sign.sign_folder(key, tmp)
            with open(os.path.join(tmp, build.MANIFEST_FILE), "rb") as f:
                manifest = f.read()
            with open(os.path.join(tmp, sign.SIGNATURE), "rb") as f:
                text = f.read()
            self.assertTrue(text.endswith(b"\r\n"))
            signature = bytes.fromhex(text.decode("ascii").strip())
            self.assertTrue(sign.verify(manifest, signature, public))
            self.assertFalse(sign.verify(manifest.replace(b"Data\t", b"Data\t1"), signature, public))
            other = sign.new_key(os.path.join(tmp, "outra.hex"))
            self.assertFalse(sign.verify(manifest, signature, other))
            with self.assertRaises(FileExistsError):
                sign.new_key(key)  # a key is never overwritten
        finally:
            shutil.rmtree(tmp)
