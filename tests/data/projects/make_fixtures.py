#!/usr/bin/env python3
"""Writes the project-file fixtures of the project tests.

The bytes are laid out here independently of the C++ writer, so that the tests
compare the program's reader and writer with a second, separate reading of the
format. Run from this folder: python3 make_fixtures.py
"""
import struct

def i32(v): return struct.pack('<i', v)
def f64(v): return struct.pack('<d', v)

def material(values):
    assert len(values) == 20
    return b''.join(i32(v) for v in values)

DEFAULT_MAT = [2, 0, 0, 1, 0, 0, 0, 2, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0]

def header(count, wooden=(1, 1, 0, 0), snow=1):
    out = b'Tarvo_Posts'.ljust(20, b'\0') + b'1.0.0.3'.ljust(10, b'\0')
    out += i32(0) + i32(2) + i32(2)                  # Art. 87, V0 34 m/s, roughness III
    out += f64(10.92) + f64(0.5)                     # building height, floor level
    out += f64(3.0) + f64(2.8) + f64(0.0) + f64(0.0) # storey heights
    snow_bytes = struct.pack('<i', snow)
    for k in range(4):
        slot = bytearray()
        for i in range(4):
            slot.append(wooden[k + i] if k + i <= 3 else snow_bytes[k + i - 4])
        out += bytes(slot)
    out += i32(snow) + f64(1.0) + i32(count)
    assert len(out) == 122
    return out

def item(name, column_mat, base_mat, floor, z, w, shape, size_code, b, d, lkx, lky, lb, members, sub,
         tenon_b, tenon_d, forces, lky_direct, lb_direct, auto_tenon, cf, cf_direct, base_name, fcv_upper, axis_x):
    raw = name.encode('cp932')
    p = struct.pack('<i', base_mat[0])
    out = material(column_mat) + material(base_mat) + i32(len(raw) + 1) + raw + b'\0'
    out += i32(floor) + f64(z) + f64(w) + i32(shape) + i32(size_code)
    out += f64(b) + f64(d) + f64(lkx) + f64(lky) + f64(lb) + i32(members) + i32(sub)
    out += f64(tenon_b) + f64(tenon_d) + b''.join(f64(f) for f in forces)
    out += bytes([lky_direct, auto_tenon, 0, p[0]])
    out += bytes([lb_direct, lky_direct, auto_tenon, 0])
    out += bytes([auto_tenon, 0, p[0], p[1]])
    out += f64(cf) + bytes([cf_direct, 0, 0, 0]) + i32(base_name)
    out += bytes([fcv_upper, axis_x, 0, 0]) + bytes([axis_x, 0, 0, 0])
    assert len(out) == 333 + len(raw)
    return out

FIRST = item('１階外壁間柱', DEFAULT_MAT, DEFAULT_MAT, 1, 2.0, 0.91, 0, 0, 105.0, 105.0, 2800.0, 2800.0, 2800.0,
             1, 0, 30.0, 75.0, [10.0, 0.0, 0.0, 12.5, 15.0], 0, 0, 1, 0.0, 0, 0, 0, 0)
SECOND = item('通し柱', [1, 0, 0, 1, 0, 0, 0, 1, 0, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0],
              [0x0201, 0, 0, 1, 0, 0, 0, 2, 1, 1, 3, 0, 0, 0, 2, 0, 0, 0, 0, 0], 2, 4.9, 1.82, 0, 0, 120.0, 150.0,
              5600.0, 2800.0, 2700.0, 2, 0, 40.0, 60.0, [20.0, 25.0, 30.0, 0.0, 22.0], 1, 1, 0, 1.2, 1, 1, 1, 1)

VALID = header(2) + FIRST + SECOND

FIXTURES = {
    'valid_two_items.tvp': VALID,
    # Cut 100 bytes into the second item.
    'cut_in_second_item.tvp': VALID[:122 + len(FIRST) + 100],
    # "Tarvo_PostsX": another format.
    'other_identifier.tvp': b'Tarvo_PostsX' + VALID[12:],
    # An item count no file can hold.
    'absurd_count.tvp': VALID[:118] + i32(0x7FFFFFFF) + VALID[122:],
    # The first item's name length runs past the end of the file.
    'name_past_end.tvp': VALID[:122 + 160] + i32(1 << 30) + VALID[122 + 164:],
    # Count 0: the list could not keep an item.
    'zero_count.tvp': VALID[:118] + i32(0) + VALID[122:],
}

if __name__ == '__main__':
    for name, data in FIXTURES.items():
        with open(name, 'wb') as f:
            f.write(data)
