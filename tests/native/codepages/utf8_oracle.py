#!/usr/bin/env python3
"""Python's own UTF-8 codec as the tests' oracle, one answer line for each question line.

D <hex bytes>: the code points the bytes decode to, each undecodable byte as U+DC80..U+DCFF
(surrogateescape, so every byte that is not UTF-8 stands for itself), then '|' and how many
bytes at the end an incremental decoder keeps waiting for more (none for the first two bytes of
a surrogate, ED A0..BF, which Python waits on though no third byte can make them valid).
E <hex code point>: the code point's UTF-8 bytes in hex, or '-' when it has none.
"""
import codecs
import sys

for line in sys.stdin:
    kind, argument = line.split()
    if kind == 'D':
        data = bytes.fromhex(argument)
        decoded = data.decode('utf-8', 'surrogateescape')
        incremental = codecs.getincrementaldecoder('utf-8')('surrogateescape')
        incremental.decode(data, final=False)
        waiting = incremental.getstate()[0]
        if waiting[:1] == b'\xed' and waiting[1:2] >= b'\xa0':
            waiting = b''
        waiting = len(waiting)
        print(' '.join(f'{ord(c):X}' for c in decoded), '|', waiting)
    else:
        try:
            print(chr(int(argument, 16)).encode('utf-8').hex())
        except (ValueError, UnicodeEncodeError):
            print('-')
