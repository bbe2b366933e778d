"""Writes a language's variants of topic files (docs/topic-files.md, "Language variants") from
the translated captions and items in texts/<code>/activities/<form>.json and the English topic
files: the title (and its box, where texts give one), the worksheet of the language, the drawings' stems after the code, every
label and item, in the English order, and the language's copies of maps with words. A target box's name for the screen reader is the
translated label it stands beside.

Usage: topic_variants.py <code> <texts/<code>> <content/topics>
"""

import json
import os
import sys


def box_name(english_labels, translated, name):
    """The translation of a box's name, found by the label whose caption names it."""
    for label in english_labels:
        if label['caption'].rstrip(' -') == name:
            return translated[label['name']].rstrip(' -')
    sys.exit(f'box "{name}": no label names it')


def variant(code, english, texts, worksheets):
    form = english['form']
    title = texts['title']
    topic_words = title.split(':', 1)[1].strip()
    worksheet = f'{english["place"]} - {topic_words}'
    if worksheet not in worksheets:
        sys.exit(f'{form}: no worksheet titled "{worksheet}"')
    out = {'form': form, 'title': title}
    # A heading longer than the English may take more room on the page, or another alignment.
    for field in ('titleBox', 'titleAlign'):
        if field in texts:
            out[field] = texts[field]
    out.update({'worksheet': f'multiple/{worksheet}.txt',
                'keyFacts': f'{code} {english["keyFacts"]}', 'notes': f'{code} {english["notes"]}',
                'activities': []})
    for activity in english['activities']:
        given = texts['activities'][activity['form']]
        labels = given['labels']
        if set(labels) != {label['name'] for label in activity['labels']}:
            sys.exit(f'{activity["form"]}: the labels differ from the English')
        if len(given['items']) != len(activity['items']):
            sys.exit(f'{activity["form"]}: {len(given["items"])} items, the English has {len(activity["items"])}')
        items = []
        for text, item in zip(given['items'], activity['items']):
            entry = {'text': text}
            if 'box' in item:
                entry['box'] = box_name(activity['labels'], labels, item['box'])
            items.append(entry)
        entry = {'form': activity['form'], 'items': items}
        # A map with words in its key has a copy in the language, in the English one's place.
        if 'pictures' in given:
            if len(given['pictures']) != len(activity.get('pictures', [])):
                sys.exit(f'{activity["form"]}: the pictures differ from the English')
            entry['pictures'] = [{'path': path} for path in given['pictures']]
        entry['labels'] = [{'name': label['name'], 'caption': labels[label['name']]} for label in activity['labels']]
        out['activities'].append(entry)
    return out


def worksheet_titles(folder):
    titles = set()
    for name in os.listdir(folder):
        with open(os.path.join(folder, name), encoding='utf-8') as source:
            for line in source:
                if line.startswith('title:'):
                    titles.add(line.split(':', 1)[1].strip())
                    break
    return titles


def main(code, texts_dir, topics_dir):
    out_dir = os.path.join(topics_dir, code)
    os.makedirs(out_dir, exist_ok=True)
    worksheets = worksheet_titles(os.path.join(texts_dir, 'worksheets'))
    activities_dir = os.path.join(texts_dir, 'activities')
    for name in sorted(os.listdir(activities_dir)):
        if not name.endswith('.json'):
            continue
        with open(os.path.join(activities_dir, name), encoding='utf-8') as f:
            texts = json.load(f)
        with open(os.path.join(topics_dir, name), encoding='utf-8') as f:
            english = json.load(f)
        with open(os.path.join(out_dir, name), 'w', encoding='utf-8', newline='\n') as out:
            json.dump(variant(code, english, texts, worksheets), out, ensure_ascii=False, indent=2)
            out.write('\n')


if __name__ == '__main__':
    main(*sys.argv[1:4])
