"""Writes the shipped worksheets and the empty catalogue in the program's file format:
72 lines, Windows-1252 (UTF-8 after a byte-order mark when a text holds ŵ, ŷ or another Welsh
letter Windows-1252 lacks), CR LF, every comma stored as "&", line 2 and every seventh line after
it a single space, the right answer as a digit 1 to 4 (1 = A).

Usage: make_worksheets.py <texts/worksheets> <content/multiple>
"""

import os
import sys

# The wizard's limits: what a teacher could type is what fits on the quiz screen.
TITLE_MAX, QUESTION_MAX, ANSWER_MAX = 40, 60, 30


def encode(text):
    if '&' in text:
        sys.exit(f'"{text}": "&" reads back as a comma; write "and"')
    return text.replace(',', '&')


def read_source(path):
    with open(path, encoding='utf-8') as source:
        lines = [line.rstrip('\n') for line in source if not line.startswith('#')]
    title = lines[0].split(':', 1)[1].strip()
    blocks = [b.strip().split('\n') for b in '\n'.join(lines[1:]).split('\n\n') if b.strip()]
    questions = []
    for block in blocks:
        question = block[0].strip()
        answers = [line.split(':', 1)[1].strip() for line in block[1:5]]
        letter = block[5].split(':', 1)[1].strip()
        if len(question) > QUESTION_MAX or any(len(a) > ANSWER_MAX for a in answers):
            sys.exit(f'{path}: too long for the quiz screen: {question}')
        questions.append((question, answers, 'ABCD'.index(letter) + 1))
    if len(questions) != 10 or len(title) > TITLE_MAX:
        sys.exit(f'{path}: a worksheet has a title and exactly ten questions')
    return title, questions


def worksheet_lines(title, questions):
    lines = [encode(title), ' ']
    for question, answers, right in questions:
        lines.append(encode(question))
        lines.extend(encode(a) for a in answers)
        lines.append(str(right))
        lines.append(' ')
    assert len(lines) == 72
    return lines


# Welsh letters Windows-1252 lacks: a file holding one is UTF-8 after a byte-order mark, as
# the program itself writes it.
WELSH_LETTERS = set('\u0175\u0177\u0174\u0176\u1e81\u1e83\u1e85\u1ef3\u1e80\u1e82\u1e84\u1ef2')


def write_lines(path, lines):
    text = ''.join(line + '\r\n' for line in lines)
    if any(c in WELSH_LETTERS for c in text):
        data = b'\xef\xbb\xbf' + text.encode('utf-8')
    else:
        data = text.encode('cp1252')
    with open(path, 'wb') as out:
        out.write(data)


def main(source_dir, out_dir):
    os.makedirs(out_dir, exist_ok=True)
    for name in sorted(os.listdir(source_dir)):
        if name.endswith('.txt'):
            title, questions = read_source(os.path.join(source_dir, name))
            write_lines(os.path.join(out_dir, title + '.txt'), worksheet_lines(title, questions))
    # The catalogue lists the teachers' own worksheets: none when the program is shipped.
    write_lines(os.path.join(out_dir, 'track.txt'), [' 0'])


if __name__ == '__main__':
    main(sys.argv[1], sys.argv[2])
