"""What Windows reads from Lunavik.exe before it runs a line (manifest, version, icon sizes,
subsystem, the loader's protections): check_executable.py LUNAVIK_EXE, with python3-pefile."""
import struct
import sys
import xml.etree.ElementTree as ET

import pefile
from harness import check, finish

pe = pefile.PE(sys.argv[1])
resources = {t.id: t.directory.entries for t in pe.DIRECTORY_ENTRY_RESOURCE.entries}
def data(entry):  # the first language's bytes of a resource
    leaf = entry.directory.entries[0].data.struct
    return pe.get_data(leaf.OffsetToData, leaf.Size)

manifests = resources.get(pefile.RESOURCE_TYPE["RT_MANIFEST"], [])
check([m.id for m in manifests] == [1] and len(manifests[0].directory.entries) == 1,
      "one manifest, id 1, in one language: %s" % [m.id for m in manifests])
found = {e.tag.split("}")[1]: (e.attrib, (e.text or "").strip())
         for e in ET.fromstring(data(manifests[0])).iter()} if manifests else {}
for tag, want in [("requestedExecutionLevel", ({"level": "asInvoker", "uiAccess": "false"}, "")),
                  ("supportedOS", ({"Id": "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}, "")),
                  ("dpiAwareness", ({}, "PerMonitorV2, PerMonitor")), ("dpiAware", ({}, "true/pm")),
                  ("activeCodePage", ({}, "UTF-8")), ("longPathAware", ({}, "true"))]:
    check(found.get(tag) == want, "manifest %s: %s, not %s" % (tag, found.get(tag), want))

fixed = pe.VS_FIXEDFILEINFO[0]
check((fixed.FileVersionMS, fixed.FileVersionLS, fixed.ProductVersionMS, fixed.ProductVersionLS)
      == ((1 << 16) + 70, 0, (1 << 16) + 70, 0), "file and product version 1.70.0.0")
strings = {k.decode(): v.decode() for info in pe.FileInfo[0] if info.Key == b"StringFileInfo"
           for table in info.StringTable for k, v in table.entries.items()}
check(strings.get("ProductVersion") and strings.get("ProductName") == "Lunavik"
      and strings.get("OriginalFilename") == "Lunavik.exe"
      and strings.get("LegalCopyright") == "Copyright 2026 Orvaneth Softwares",
      "version strings: %s" % strings)

group = data(resources[pefile.RESOURCE_TYPE["RT_GROUP_ICON"]][0])
# GRPICONDIR: count at 4, then 14-byte entries: width (0 for 256) at 0, bits per pixel at 6
icons = [(group[6 + 14 * i] or 256, group[12 + 14 * i])
         for i in range(struct.unpack_from("<H", group, 4)[0])]
check(icons == [(16, 32), (20, 32), (24, 32), (32, 32), (40, 32), (48, 32), (64, 32), (256, 32)],
      "icon sizes and depths %s" % icons)

check(pe.OPTIONAL_HEADER.Subsystem == 2, "windowed (GUI) subsystem")
for flag in ("DYNAMIC_BASE", "HIGH_ENTROPY_VA", "NX_COMPAT"):
    check(getattr(pe.OPTIONAL_HEADER, "IMAGE_DLLCHARACTERISTICS_" + flag), flag)
check(not pe.FILE_HEADER.IMAGE_FILE_RELOCS_STRIPPED, "relocations kept, so ASLR can move it")
finish("executable's resources and flags")
