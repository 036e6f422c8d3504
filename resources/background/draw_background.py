# Background of the main window: an electrified line in open country, drawn in perspective.
import math, sys
W, Hh = 1200, 614
HY = 372          # horizon
VPX = 700         # vanishing point
F = 700.0         # focal length in pixels
CAM = 1.9         # camera height above the rails, metres
TRACK = -2.0      # track centre, metres right of the camera
out = []
def P(X, Z, Y=0.0):
    # ground point (X right, Z ahead) at height Y above the rails
    return VPX + F * X / Z, HY + F * (CAM - Y) / Z
def pt(p): return f'{p[0]:.1f},{p[1]:.1f}'

out.append(f'<svg xmlns="http://www.w3.org/2000/svg" width="{W}" height="{Hh}" viewBox="0 0 {W} {Hh}">')
out.append('''<defs>
<linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">
 <stop offset="0" stop-color="#8fb6dc"/><stop offset="0.55" stop-color="#cfe1f0"/><stop offset="1" stop-color="#f3efe2"/>
</linearGradient>
<linearGradient id="field" x1="0" y1="0" x2="0" y2="1">
 <stop offset="0" stop-color="#b7c59a"/><stop offset="1" stop-color="#7f9666"/>
</linearGradient>
<linearGradient id="ballast" x1="0" y1="0" x2="0" y2="1">
 <stop offset="0" stop-color="#b3aa9c"/><stop offset="1" stop-color="#8c8273"/>
</linearGradient>
<radialGradient id="sun" cx="0.5" cy="0.5" r="0.5">
 <stop offset="0" stop-color="#fff8dc" stop-opacity="0.95"/><stop offset="1" stop-color="#fff8dc" stop-opacity="0"/>
</radialGradient>
</defs>''')
out.append(f'<rect width="{W}" height="{HY+2}" fill="url(#sky)"/>')
out.append(f'<circle cx="300" cy="150" r="120" fill="url(#sun)"/>')
for cx, cy, rx, ry in [(180, 95, 90, 14), (250, 108, 70, 10), (930, 70, 110, 15), (1010, 84, 80, 10), (620, 150, 70, 8)]:
    out.append(f'<ellipse cx="{cx}" cy="{cy}" rx="{rx}" ry="{ry}" fill="#ffffff" opacity="0.55"/>')
# distant hills and a tree line
out.append(f'<path d="M0 {HY-30} C150 {HY-70} 260 {HY-52} 380 {HY-38} C520 {HY-22} 600 {HY-58} 760 {HY-40} '
           f'C900 {HY-26} 1020 {HY-66} 1200 {HY-44} V{HY+2} H0 Z" fill="#a9bccb" opacity="0.8"/>')
out.append(f'<path d="M0 {HY-8} C120 {HY-24} 200 {HY-14} 330 {HY-18} C470 {HY-22} 560 {HY-10} 700 {HY-12} '
           f'C860 {HY-16} 980 {HY-26} 1200 {HY-14} V{HY+2} H0 Z" fill="#7f9a86"/>')
out.append(f'<rect y="{HY}" width="{W}" height="{Hh-HY}" fill="url(#field)"/>')
# embankment and ballast
zfar, znear = 900.0, 4.0
def strip(x0, x1, fill, extra=''):
    a, b, c, d = P(x0, znear), P(x1, znear), P(x1, zfar), P(x0, zfar)
    out.append(f'<path d="M{pt(a)} L{pt(b)} L{pt(c)} L{pt(d)} Z" fill="{fill}" {extra}/>')
strip(TRACK - 3.2, TRACK + 3.2, '#9aa47e')
strip(TRACK - 2.1, TRACK + 2.1, 'url(#ballast)')
# sleepers, every 0.6 m up to where they merge
z = 4.2
while z < 160:
    a, b = P(TRACK - 1.35, z), P(TRACK + 1.35, z)
    t = max(0.5, F * CAM * 0.22 / (z * z))
    out.append(f'<path d="M{pt(a)} L{pt(b)}" stroke="#6b5a48" stroke-width="{t:.2f}" opacity="0.85"/>')
    z += 0.6 if z < 40 else 1.2
# rails
for side in (-0.76, 0.76):
    x0, x1 = TRACK + side - 0.04, TRACK + side + 0.04
    out.append(f'<path d="M{pt(P(x0, znear))} L{pt(P(x1, znear))} L{pt(P(x1, zfar))} L{pt(P(x0, zfar))} Z" fill="#514b45"/>')
    out.append(f'<path d="M{pt(P(x0 + 0.02, znear, 0.02))} L{pt(P(x1 - 0.02, znear, 0.02))} L{pt(P(x1 - 0.02, zfar, 0.02))} '
               f'L{pt(P(x0 + 0.02, zfar, 0.02))} Z" fill="#d3d8dd"/>')
# masts and catenary: a span of 55 m, masts on the right of the track
MAST_X = TRACK - 3.1
MAST_TOP, ARM_Y, MESS_Y, CONT_Y = 8.6, 7.3, 7.2, 5.7
spans = [16.0 + 55.0 * i for i in range(0, 16)]
for z in reversed(spans):
    base, top = P(MAST_X, z), P(MAST_X, z, MAST_TOP)
    w = max(0.8, F * 0.34 / z)
    out.append(f'<path d="M{pt(base)} L{pt(top)}" stroke="#4e5a66" stroke-width="{w:.2f}" stroke-linecap="butt"/>')
    # cantilever: the horizontal arm, the brace and the insulators
    arm0, arm1 = P(MAST_X, z, ARM_Y), P(TRACK + 0.5, z, ARM_Y)
    brace0, brace1 = P(MAST_X, z, CONT_Y + 0.3), P(TRACK + 0.3, z, CONT_Y + 0.2)
    tie0 = P(MAST_X, z, MAST_TOP - 0.2)
    lw = max(0.5, F * 0.07 / z)
    out.append(f'<path d="M{pt(arm0)} L{pt(arm1)} M{pt(brace0)} L{pt(brace1)} M{pt(tie0)} L{pt(arm1)}" '
               f'stroke="#5c6773" stroke-width="{lw:.2f}" fill="none"/>')
    ins = P(MAST_X + 0.35, z, ARM_Y)
    r = max(0.6, F * 0.12 / z)
    out.append(f'<circle cx="{ins[0]:.1f}" cy="{ins[1]:.1f}" r="{r:.2f}" fill="#8a5a3c"/>')
def wire(height_at, x_at, width, colour, z0, z1, step=0.5):
    pts = []
    z = z0
    while z <= z1:
        pts.append(P(x_at(z), z, height_at(z)))
        z += step if z < 60 else 2.0
    out.append(f'<path d="M' + ' L'.join(pt(p) for p in pts) + f'" stroke="{colour}" stroke-width="{width}" fill="none"/>')
def phase(z):
    k = (z - spans[0]) / 55.0
    return k - math.floor(k)
sag = lambda z: MESS_Y - 0.9 * 4 * phase(z) * (1 - phase(z))
stagger = lambda z: TRACK - 0.3 + 0.6 * abs(2 * phase(z) - 1)
wire(sag, lambda z: TRACK - 0.3, 1.3, '#3f4650', 4.0, spans[-1])
wire(lambda z: CONT_Y, stagger, 1.5, '#3a4048', 4.0, spans[-1])
# droppers between the two wires
z = spans[0] + 5.5
while z < 200:
    a, b = P(TRACK - 0.3, z, sag(z)), P(stagger(z), z, CONT_Y)
    out.append(f'<path d="M{pt(a)} L{pt(b)}" stroke="#4a525c" stroke-width="{max(0.4, F * 0.02 / z):.2f}"/>')
    z += 9.0
# a feeder line on the field side: lower poles far to the left
for i in range(0, 12):
    z = 22.0 + 48.0 * i
    base, top = P(12.0, z), P(12.0, z, 9.5)
    out.append(f'<path d="M{pt(base)} L{pt(top)}" stroke="#6c6256" stroke-width="{max(0.6, F * 0.25 / z):.2f}"/>')
    a, b = P(10.8, z, 9.1), P(13.2, z, 9.1)
    out.append(f'<path d="M{pt(a)} L{pt(b)}" stroke="#6c6256" stroke-width="{max(0.5, F * 0.12 / z):.2f}"/>')
for dx in (-1.0, 1.0):
    wire(lambda z: 9.1 - 0.5 * 4 * ((z - 22) / 48 % 1) * (1 - ((z - 22) / 48 % 1)), lambda z, dx=dx: 12.0 + dx,
         0.8, '#5d564c', 8.0, 22.0 + 48.0 * 11)
# a soft light over the whole picture keeps it calm behind the tables
out.append(f'<rect width="{W}" height="{Hh}" fill="#ffffff" opacity="0.12"/>')
out.append('</svg>')
open(sys.argv[1], 'w').write('\n'.join(out) + '\n')
