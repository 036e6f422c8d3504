# Draws the Zorvek icon set: flat, 24x24, an ink outline plus one or two accent colours.
import os, sys
OUT = sys.argv[1]
INK = "#2d3e50"; BLUE = "#3b82c4"; LBLUE = "#d6e6f5"; ORANGE = "#f08c1a"; GREEN = "#2e9e4f"
RED = "#d64541"; PAPER = "#ffffff"; YELLOW = "#f7c531"
S = f'stroke="{INK}" stroke-width="1.4" stroke-linejoin="round" stroke-linecap="round"'

def svg(body):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24" viewBox="0 0 24 24">\n'
            + body.strip() + '\n</svg>\n')

# ---- shared glyphs ----
def page(x=5, y=2.5, w=13, h=19, fill=PAPER):
    f = 4
    return (f'<path d="M{x} {y} h{w-f} l{f} {f} v{h-f} h{-w} z" fill="{fill}" {S}/>'
            f'<path d="M{x+w-f} {y} v{f} h{f}" fill="none" {S}/>')

def lines(x, y, w, n, gap=3, color=INK):
    return ''.join(f'<path d="M{x} {y+i*gap} h{w}" stroke="{color}" stroke-width="1.3" stroke-linecap="round"/>' for i in range(n))

def eye(cx=12, cy=12, s=1.0):
    return (f'<g transform="translate({cx} {cy}) scale({s})">'
            f'<path d="M-10 0 C-7 -5.5 -3.5 -7 0 -7 C3.5 -7 7 -5.5 10 0 C7 5.5 3.5 7 0 7 C-3.5 7 -7 5.5 -10 0 Z" fill="{PAPER}" {S}/>'
            f'<circle r="4" fill="{BLUE}" {S}/><circle r="1.6" fill="{INK}"/>'
            f'<circle cx="1.3" cy="-1.3" r="0.8" fill="{PAPER}"/></g>')

def clipboard():
    return (f'<rect x="5" y="4" width="14" height="17.5" rx="1.5" fill="{PAPER}" {S}/>'
            f'<rect x="9" y="2.5" width="6" height="3.5" rx="1" fill="{BLUE}" {S}/>'
            f'<path d="M7.5 10.5 l1.5 1.5 l2.5 -3" fill="none" stroke="{GREEN}" stroke-width="1.8" stroke-linecap="round" stroke-linejoin="round"/>'
            f'<path d="M7.5 16.5 l1.5 1.5 l2.5 -3" fill="none" stroke="{GREEN}" stroke-width="1.8" stroke-linecap="round" stroke-linejoin="round"/>'
            + lines(13, 11, 4, 1) + lines(13, 17, 4, 1))

def open_book(y=0):
    return (f'<g transform="translate(0 {y})">'
            f'<path d="M12 7.5 C9.5 5.8 6 5.5 2.5 6.5 V19 C6 18 9.5 18.3 12 20 Z" fill="{PAPER}" {S}/>'
            f'<path d="M12 7.5 C14.5 5.8 18 5.5 21.5 6.5 V19 C18 18 14.5 18.3 12 20 Z" fill="{LBLUE}" {S}/>'
            f'<path d="M5 10 C6.5 9.6 8 9.7 9.5 10.3 M5 13 C6.5 12.6 8 12.7 9.5 13.3" fill="none" stroke="{INK}" stroke-width="1.1" stroke-linecap="round"/>'
            f'</g>')

def check_badge(cx=18, cy=6, r=4.5, color=GREEN):
    return (f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{color}" stroke="{PAPER}" stroke-width="1"/>'
            f'<path d="M{cx-2.2} {cy} l1.6 1.7 l3 -3.2" fill="none" stroke="{PAPER}" stroke-width="1.6" stroke-linecap="round" stroke-linejoin="round"/>')

def pencil(tx=0, ty=0, rot=45):
    return (f'<g transform="translate({tx} {ty}) rotate({rot} 12 12)">'
            f'<rect x="9.8" y="2" width="4.4" height="14" fill="{ORANGE}" {S}/>'
            f'<path d="M9.8 16 L12 20.5 L14.2 16 Z" fill="{PAPER}" {S}/>'
            f'<path d="M11.3 19 L12 20.5 L12.7 19 Z" fill="{INK}"/>'
            f'<rect x="9.8" y="2" width="4.4" height="2.5" fill="{INK}"/></g>')

def people():
    return (f'<circle cx="15.5" cy="7.5" r="3.2" fill="{LBLUE}" {S}/>'
            f'<path d="M9.5 20 C9.5 14.5 12 12.5 15.5 12.5 C19 12.5 21.5 14.5 21.5 20 Z" fill="{LBLUE}" {S}/>'
            f'<circle cx="8.5" cy="8.5" r="3.5" fill="{BLUE}" {S}/>'
            f'<path d="M2 21 C2 15.5 4.8 13.5 8.5 13.5 C12.2 13.5 15 15.5 15 21 Z" fill="{BLUE}" {S}/>')

def question_badge(cx=18, cy=18, r=5):
    return (f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{ORANGE}" stroke="{PAPER}" stroke-width="1"/>'
            f'<path d="M{cx-1.7} {cy-1.6} a1.8 1.8 0 1 1 2.6 1.6 c-0.7 0.35 -0.9 0.7 -0.9 1.4" fill="none" stroke="{PAPER}" stroke-width="1.5" stroke-linecap="round"/>'
            f'<circle cx="{cx}" cy="{cy+3}" r="0.85" fill="{PAPER}"/>')

def help_of(glyph):
    return f'<g transform="translate(0.5 0.5) scale(0.78)">{glyph}</g>' + question_badge()

def grid_table(x=2.5, y=3.5, w=15, h=13):
    rows = ''.join(f'<path d="M{x} {y+3.5+i*3.2} h{w}" stroke="{INK}" stroke-width="1"/>' for i in range(3))
    return (f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="1" fill="{PAPER}" {S}/>'
            f'<rect x="{x}" y="{y}" width="{w}" height="3.5" rx="1" fill="{LBLUE}" {S}/>' + rows +
            f'<path d="M{x+5.5} {y+3.5} v{h-3.5}" stroke="{INK}" stroke-width="1"/>')

def plus_badge(cx=18, cy=18, color=GREEN):
    return (f'<circle cx="{cx}" cy="{cy}" r="4.8" fill="{color}" stroke="{PAPER}" stroke-width="1"/>'
            f'<path d="M{cx-2.4} {cy} h4.8 M{cx} {cy-2.4} v4.8" stroke="{PAPER}" stroke-width="1.8" stroke-linecap="round"/>')

def minus_badge(cx=18, cy=18, color=RED):
    return (f'<circle cx="{cx}" cy="{cy}" r="4.8" fill="{color}" stroke="{PAPER}" stroke-width="1"/>'
            f'<path d="M{cx-2.4} {cy} h4.8" stroke="{PAPER}" stroke-width="1.8" stroke-linecap="round"/>')

def bolt(x=0, y=0, s=1.0):
    return (f'<g transform="translate({x} {y}) scale({s})">'
            f'<path d="M13 2 L5 13 H10.5 L8.5 22 L17.5 9.5 H12 Z" fill="{YELLOW}" {S}/></g>')

def numeral_badge(text_paths, x=13, y=11, w=10, h=11):
    return (f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="2" fill="{BLUE}" {S}/>' + text_paths)

def roman(spec, x0, y0, h=6.5):
    # I as a vertical bar, V as two strokes; drawn in white inside the badge.
    out = []; x = x0
    for ch in spec:
        if ch == 'I':
            out.append(f'M{x} {y0} v{h}'); x += 2.2
        elif ch == 'V':
            out.append(f'M{x} {y0} l1.6 {h} l1.6 {-h}'); x += 4.4
    return f'<path d="{" ".join(out)}" fill="none" stroke="{PAPER}" stroke-width="1.5" stroke-linecap="round" stroke-linejoin="round"/>'

def printer(paper):
    return (paper +
            f'<rect x="2.5" y="10" width="19" height="8" rx="1.5" fill="{LBLUE}" {S}/>'
            f'<rect x="6" y="15.5" width="12" height="6" fill="{PAPER}" {S}/>'
            + lines(8, 17.7, 8, 2, 2) +
            f'<circle cx="18.5" cy="12.5" r="0.9" fill="{GREEN}"/>')

def number_text(n, x=12, y=17.2, size=12.5, color=PAPER):
    return (f'<text x="{x}" y="{y}" text-anchor="middle" font-family="DejaVu Sans, Verdana, Arial, sans-serif" '
            f'font-weight="bold" font-size="{size}" fill="{color}">{n}</text>')

def arrow_right(x1, y, x2, color=ORANGE, w=2.2):
    return (f'<path d="M{x1} {y} H{x2-1}" stroke="{color}" stroke-width="{w}" stroke-linecap="round"/>'
            f'<path d="M{x2-4} {y-3.8} L{x2} {y} L{x2-4} {y+3.8}" fill="none" stroke="{color}" stroke-width="{w}" stroke-linecap="round" stroke-linejoin="round"/>')

def magnifier(cx=15, cy=15, r=4):
    return (f'<path d="M{cx+r*0.7} {cy+r*0.7} L{cx+r+3} {cy+r+3}" stroke="{INK}" stroke-width="2.6" stroke-linecap="round"/>'
            f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{LBLUE}" {S}/>')

def picture(x=2.5, y=4.5, w=17, h=14):
    return (f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="1.2" fill="{LBLUE}" {S}/>'
            f'<path d="M{x} {y+h-1.5} L{x+5} {y+h-7} L{x+8.5} {y+h-3.5} L{x+11.5} {y+h-6.5} L{x+w} {y+h-1.5} V{y+h} H{x} Z" fill="{GREEN}" {S}/>'
            f'<circle cx="{x+w-4}" cy="{y+3.8}" r="1.9" fill="{YELLOW}" {S}/>')

def person_bust(cx=12, y=3, color=BLUE):
    return (f'<circle cx="{cx}" cy="{y+4}" r="3.8" fill="{color}" {S}/>'
            f'<path d="M{cx-7.5} {y+18} C{cx-7.5} {y+11.5} {cx-4} {y+9.5} {cx} {y+9.5} C{cx+4} {y+9.5} {cx+7.5} {y+11.5} {cx+7.5} {y+18} Z" fill="{color}" {S}/>')

def cylinder(x=13, y=9, w=9, h=12, fill=BLUE):
    rx = w/2; ry = 1.8
    return (f'<path d="M{x} {y} v{h} a{rx} {ry} 0 0 0 {w} 0 v{-h}" fill="{fill}" {S}/>'
            f'<ellipse cx="{x+rx}" cy="{y}" rx="{rx}" ry="{ry}" fill="{LBLUE}" {S}/>'
            f'<path d="M{x} {y+h/2} a{rx} {ry} 0 0 0 {w} 0" fill="none" stroke="{LBLUE}" stroke-width="1"/>')

# ---- the commands ----
icons = {}
door = (f'<path d="M4 3 H14 V21 H4 Z" fill="{LBLUE}" {S}/>'
        f'<path d="M4 3 L10 5 V22.5 L4 21 Z" fill="{BLUE}" {S}/>'
        f'<circle cx="8.4" cy="13" r="0.8" fill="{PAPER}"/>')
icons['actClose'] = door + arrow_right(12, 12, 22)
book = (f'<rect x="3" y="3" width="12" height="18" rx="1.2" fill="{BLUE}" {S}/>'
        f'<path d="M6 3 V21" stroke="{INK}" stroke-width="1.2"/>'
        f'<rect x="8" y="6" width="5" height="3" fill="{PAPER}"/>')
icons['actExitResult'] = book + arrow_right(11, 14, 22, GREEN)
icons['actFromRazdelSamopodgotovka'] = (page(8, 2.5, 13, 19) + lines(11, 9, 7, 4, 3) +
    f'<rect x="1" y="9" width="11" height="6" fill="none"/>'
    f'<path d="M14 12 H3.5" stroke="{ORANGE}" stroke-width="2.4" stroke-linecap="round"/>'
    f'<path d="M7.5 7.8 L3.3 12 L7.5 16.2" fill="none" stroke="{ORANGE}" stroke-width="2.4" stroke-linecap="round" stroke-linejoin="round"/>')

paper_lines = page(6, 1.5, 12, 10) + lines(8.5, 6, 7, 2, 2.5)
icons['act'] = printer(paper_lines + f'<circle cx="15" cy="8.8" r="1.4" fill="{RED}"/>')
paper_grid = (f'<rect x="6" y="1.5" width="12" height="10" fill="{PAPER}" {S}/>'
              f'<path d="M6 5 H18 M6 8 H18 M10 1.5 V11.5" stroke="{INK}" stroke-width="1"/>')
icons['actGurnal'] = printer(paper_grid)
paper_book = (f'<rect x="6.5" y="1.5" width="11" height="10" rx="1" fill="{ORANGE}" {S}/>'
              f'<path d="M9 1.5 V11.5" stroke="{INK}" stroke-width="1"/>')
icons['actManagement'] = printer(paper_book)

glyph_view = eye()
glyph_exam = clipboard()
glyph_train = open_book(1) + check_badge(18.5, 5.5)
glyph_edit = page(3.5, 2.5, 13, 19) + lines(6, 9, 7, 3) + pencil(4, 0, 40)
glyph_people = people()
icons['actViewExe'] = glyph_view
icons['actExamenationExe'] = glyph_exam
icons['actSelf_trainingExe'] = glyph_train
icons['actEditorExe'] = glyph_edit
icons['actView'] = help_of(glyph_view)
icons['actExamenation'] = help_of(glyph_exam)
icons['actSelf_training'] = help_of(open_book(1))
icons['actEditor'] = help_of(glyph_edit)
icons['actPersonal_Editor'] = help_of(glyph_people)
icons['actPersonal'] = glyph_people

# the nine specialist categories
icons['actelectroeconomy'] = (
    f'<rect x="2.5" y="7.5" width="19" height="13" rx="1.5" fill="{BLUE}" {S}/>'
    f'<path d="M9 7.5 V5 H15 V7.5" fill="none" {S}/>'
    f'<path d="M2.5 12.5 H21.5" stroke="{INK}" stroke-width="1.2"/>'
    f'<path d="M13 9.5 L9.8 14.5 H12.2 L11 18.5 L14.5 13.3 H12 Z" fill="{YELLOW}" stroke="{INK}" stroke-width="0.9" stroke-linejoin="round"/>')
helmet = (f'<path d="M4 13 C4 7.5 7.5 4.5 12 4.5 C16.5 4.5 20 7.5 20 13 Z" fill="{ORANGE}" {S}/>'
          f'<path d="M2.5 13 H21.5 V15 H2.5 Z" fill="{ORANGE}" {S}/>'
          f'<path d="M12 4.5 V9" stroke="{INK}" stroke-width="1.2"/>')
icons['actOtvetsvennyeWorks'] = (person_bust(12, 4.5, BLUE) +
    f'<path d="M7 8.2 C7 4.6 9.2 2.3 12 2.3 C14.8 2.3 17 4.6 17 8.2 Z" fill="{ORANGE}" {S}/>'
    f'<path d="M5.5 8.4 H18.5" stroke="{INK}" stroke-width="1.8" stroke-linecap="round"/>'
    f'<path d="M9.5 15 L12 19.5 L14.5 15" fill="none" stroke="{PAPER}" stroke-width="1.4" stroke-linejoin="round"/>')
icons['actGivingOrder'] = (page(3.5, 2.5, 13, 19) + lines(6, 8, 7, 3) +
    f'<circle cx="16.5" cy="16.5" r="4.8" fill="{RED}" {S}/>'
    f'<circle cx="16.5" cy="16.5" r="2.6" fill="none" stroke="{PAPER}" stroke-width="1.1"/>')
icons['actVManufacturersWorks'] = (
    f'<g transform="translate(0 -2.5)">{helmet}</g>'
    f'<g transform="translate(5 21) rotate(-35)">'
    f'<rect x="0" y="-1.5" width="11" height="3" rx="1.5" fill="{BLUE}" {S}/>'
    f'<circle cx="13" cy="0" r="3.6" fill="{BLUE}" {S}/>'
    f'<rect x="13.2" y="-1.3" width="4" height="2.6" fill="{PAPER}"/></g>')
for grade in ['II', 'III', 'IV', 'V']:
    w = {'II': 2.2, 'III': 4.4, 'IV': 5.2, 'V': 3.2}[grade]
    icons['actElectrical_engineers_' + grade] = (bolt(-2.5, 0, 1.0) +
        numeral_badge(roman(grade, 18 - w / 2, 13.2), 12.5, 11, 11, 10.8))
icons['actPower_Dispatcher'] = (
    f'<path d="M4.5 13 V11 C4.5 6.5 7.8 3.5 12 3.5 C16.2 3.5 19.5 6.5 19.5 11 V13" fill="none" stroke="{INK}" stroke-width="1.8"/>'
    f'<rect x="2.5" y="11" width="5" height="7" rx="1.6" fill="{BLUE}" {S}/>'
    f'<rect x="16.5" y="11" width="5" height="7" rx="1.6" fill="{BLUE}" {S}/>'
    f'<path d="M19 18 C19 20.5 16.5 21.5 13.5 21.5" fill="none" stroke="{INK}" stroke-width="1.4"/>'
    f'<rect x="10" y="20" width="4" height="3" rx="1" fill="{ORANGE}" {S}/>')

# reference tables
icons['actCategorii'] = ''.join(
    f'<rect x="3" y="{3.5+i*6}" width="5" height="4.5" rx="1" fill="{c}" {S}/>'
    f'<rect x="10" y="{3.5+i*6}" width="11" height="4.5" rx="1" fill="{PAPER}" {S}/>'
    for i, c in enumerate([BLUE, ORANGE, BLUE]))
icons['actCriterii'] = (
    f'<path d="M12 3.5 V20 M7.5 21 H16.5 M3.5 6.5 H20.5" fill="none" stroke="{INK}" stroke-width="1.6" stroke-linecap="round"/>'
    f'<circle cx="12" cy="3.8" r="1.3" fill="{ORANGE}" {S}/>'
    f'<path d="M3.5 6.5 L1.5 12.5 M3.5 6.5 L5.5 12.5 M20.5 6.5 L18.5 12.5 M20.5 6.5 L22.5 12.5" stroke="{INK}" stroke-width="1"/>'
    f'<path d="M1 12.5 H6 A2.5 2.2 0 0 1 1 12.5 Z" fill="{BLUE}" {S}/>'
    f'<path d="M18 12.5 H23 A2.5 2.2 0 0 1 18 12.5 Z" fill="{BLUE}" {S}/>')
icons['actDopuski'] = (
    f'<circle cx="12" cy="12" r="9.5" fill="{LBLUE}" {S}/>'
    f'<path d="M16.5 6.5 L7.5 17.5" stroke="{BLUE}" stroke-width="2" stroke-linecap="round"/>'
    f'<circle cx="8.3" cy="8.3" r="2.2" fill="none" stroke="{BLUE}" stroke-width="1.8"/>'
    f'<circle cx="15.7" cy="15.7" r="2.2" fill="none" stroke="{BLUE}" stroke-width="1.8"/>')
icons['actVoprosyToRazdely'] = (
    f'<path d="M3 3 V21 H21.5" fill="none" stroke="{INK}" stroke-width="1.6" stroke-linecap="round" stroke-linejoin="round"/>'
    + ''.join(f'<rect x="{5.5+i*4}" y="{20-hgt}" width="3" height="{hgt}" fill="{c}" {S}/>'
              for i, (hgt, c) in enumerate([(8, BLUE), (13, ORANGE), (6, BLUE), (11, ORANGE)])))
icons['actGurnalAll'] = (
    f'<rect x="4" y="2.5" width="16" height="19" rx="1.4" fill="{BLUE}" {S}/>'
    f'<path d="M7.5 2.5 V21.5" stroke="{INK}" stroke-width="1.2"/>'
    f'<rect x="10" y="6" width="7.5" height="4" rx="0.6" fill="{PAPER}" {S}/>'
    f'<path d="M10 14 H17.5 M10 17 H17.5" stroke="{LBLUE}" stroke-width="1.3" stroke-linecap="round"/>')

# navigation
tri_l = lambda x: f'<path d="M{x} 5 L{x-8} 12 L{x} 19 Z" fill="{BLUE}" {S}/>'
tri_r = lambda x: f'<path d="M{x} 5 L{x+8} 12 L{x} 19 Z" fill="{BLUE}" {S}/>'
bar = lambda x: f'<rect x="{x}" y="5" width="3" height="14" rx="0.8" fill="{INK}"/>'
icons['DataSetFirst1'] = bar(4) + tri_l(19) + tri_l(13.5).replace(BLUE, LBLUE)
icons['DataSetPrior1'] = tri_l(16)
icons['DataSetNext1'] = tri_r(8)
icons['DataSetLast1'] = tri_r(5) + tri_r(10.5).replace(BLUE, LBLUE) + bar(17)
# fix the stacking of the double triangles: the light one sits behind the dark one
icons['DataSetFirst1'] = bar(4) + tri_l(19).replace(BLUE, LBLUE) + tri_l(14.5)
icons['DataSetLast1'] = tri_r(5).replace(BLUE, LBLUE) + tri_r(9.5) + bar(17)

# table editing
icons['DataSetInsert1'] = grid_table() + plus_badge()
icons['DataSetAppendEditor'] = (grid_table(2.5, 2.5, 15, 13) +
    f'<rect x="2.5" y="17" width="10" height="4.5" rx="1" fill="{LBLUE}" stroke="{INK}" stroke-width="1" stroke-dasharray="2 1.2"/>'
    + plus_badge(18, 18.5))
icons['DataSetDelete1'] = grid_table() + minus_badge()
icons['DataSetEdit1'] = grid_table(2.5, 2.5, 15, 13) + pencil(5, 3, 45)
icons['DataSetPost1'] = (f'<circle cx="12" cy="12" r="9.5" fill="{GREEN}" {S}/>'
    f'<path d="M7 12.3 L10.5 15.8 L17.2 8.8" fill="none" stroke="{PAPER}" stroke-width="2.6" stroke-linecap="round" stroke-linejoin="round"/>')
icons['DataSetCancel1'] = (f'<circle cx="12" cy="12" r="9.5" fill="{RED}" {S}/>'
    f'<path d="M8 8 L16 16 M16 8 L8 16" stroke="{PAPER}" stroke-width="2.6" stroke-linecap="round"/>')
icons['DataSetRefresh1'] = (
    f'<path d="M19 9.5 A7.5 7.5 0 0 0 5.2 8.5" fill="none" stroke="{BLUE}" stroke-width="2.6" stroke-linecap="round"/>'
    f'<path d="M5 14.5 A7.5 7.5 0 0 0 18.8 15.5" fill="none" stroke="{GREEN}" stroke-width="2.6" stroke-linecap="round"/>'
    f'<path d="M20.5 4.5 V10 H15" fill="none" stroke="{BLUE}" stroke-width="2.4" stroke-linecap="round" stroke-linejoin="round"/>'
    f'<path d="M3.5 19.5 V14 H9" fill="none" stroke="{GREEN}" stroke-width="2.4" stroke-linecap="round" stroke-linejoin="round"/>')
icons['actLoadText'] = (page(2, 2.5, 11, 15) + lines(4.5, 9, 5.5, 3, 2.6) + cylinder(13, 9.5, 9, 11.5)
    + f'<path d="M9 20 H13" stroke="{ORANGE}" stroke-width="2.2" stroke-linecap="round"/>'
      f'<path d="M11 17.8 L13.3 20 L11 22.2" fill="none" stroke="{ORANGE}" stroke-width="2" stroke-linecap="round" stroke-linejoin="round"/>')

# chooser
for n in range(1, 10):
    icons[f'actRazdel{n}'] = (
        f'<path d="M4 2.5 H20 V21.5 L12 17.5 L4 21.5 Z" fill="{BLUE}" {S}/>' + number_text(n, 12, 14.6, 12.5))
icons['actDalee'] = (f'<circle cx="12" cy="12" r="9.5" fill="{GREEN}" {S}/>'
    f'<path d="M6.5 12 H16 M12 7.5 L16.5 12 L12 16.5" fill="none" stroke="{PAPER}" stroke-width="2.6" stroke-linecap="round" stroke-linejoin="round"/>')

# exam and self-training
for n in range(1, 4):
    icons[f'actAnswer{n}Examenation'] = (
        f'<path d="M3 4.5 H21 V16.5 H11 L6 20.5 V16.5 H3 Z" fill="{ORANGE}" {S}/>' + number_text(n, 12, 15, 11.5))
icons['actPostExamenation'] = (f'<rect x="2.5" y="2.5" width="19" height="19" rx="3" fill="{BLUE}" {S}/>'
    f'<path d="M7 12.3 L10.5 15.8 L17.2 8.8" fill="none" stroke="{PAPER}" stroke-width="2.6" stroke-linecap="round" stroke-linejoin="round"/>')
icons['actFIO'] = (f'<rect x="2" y="4.5" width="20" height="15" rx="1.6" fill="{LBLUE}" {S}/>'
    f'<circle cx="8" cy="10" r="2.6" fill="{BLUE}" {S}/>'
    f'<path d="M3.8 17 C3.8 14.2 5.6 13.3 8 13.3 C10.4 13.3 12.2 14.2 12.2 17 Z" fill="{BLUE}" {S}/>'
    + lines(14, 9.5, 5.5, 3, 2.8))
icons['actFIOPost'] = person_bust(10, 3, BLUE) + check_badge(18, 17, 4.8)
icons['actExamenationBegin'] = (f'<circle cx="12" cy="12" r="9.5" fill="{GREEN}" {S}/>'
    f'<path d="M9.5 7.5 L16.5 12 L9.5 16.5 Z" fill="{PAPER}" stroke="{PAPER}" stroke-width="1.2" stroke-linejoin="round"/>')
icons['actResultView'] = (page(3, 2.5, 13, 18) +
    ''.join(f'<rect x="{5.5+i*3}" y="{14-h}" width="2" height="{h}" fill="{ORANGE}"/>' for i, h in enumerate([4, 7, 5]))
    + magnifier(16, 15.5, 3.6))
icons['actDetail'] = (page(3, 2.5, 13, 18) + lines(5.5, 8, 7.5, 4, 2.6) + magnifier(16, 15.5, 3.6))
icons['actFormat'] = (
    f'<g transform="rotate(-40 12 12)"><rect x="4" y="8" width="16" height="8" rx="1.5" fill="{PAPER}" {S}/>'
    f'<rect x="4" y="8" width="7" height="8" rx="1.5" fill="{ORANGE}" {S}/></g>'
    f'<path d="M9 21 H21" stroke="{INK}" stroke-width="1.4" stroke-linecap="round"/>')
icons['actImage_Editor'] = picture() + plus_badge(18.5, 18.5)
icons['actViewHide_Image'] = picture(2.5, 2.5, 17, 13) + eye(16.5, 18, 0.55)
icons['tipMarker'] = (f'<circle cx="12" cy="12" r="9.5" fill="{BLUE}" {S}/>'
    f'<circle cx="12" cy="7.5" r="1.5" fill="{PAPER}"/>'
    f'<path d="M12 11 V17" stroke="{PAPER}" stroke-width="2.4" stroke-linecap="round"/>')

icons['actStaffImport'] = glyph_people + arrow_right(1.5, 20.5, 9.5, GREEN)
icons['actGurnalXlsx'] = (grid_table() +
    f'<rect x="12.5" y="12.5" width="10" height="10" rx="1.5" fill="{GREEN}" {S}/>'
    f'<path d="M15 15 L20 20 M20 15 L15 20" stroke="{PAPER}" stroke-width="1.8" stroke-linecap="round"/>')

os.makedirs(OUT, exist_ok=True)
for name, body in icons.items():
    with open(os.path.join(OUT, name + '.svg'), 'w') as f:
        f.write(svg(body))
print(len(icons), 'icons')
