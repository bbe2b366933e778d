"""Reads the topic files in content/topics/, so that a generator draws its map under the very
boxes the activity screen places (the files are the one record of every box and item).

    activity('scilly1lab') -> the activity's dict, as in the file
    target_boxes('scilly1lab') -> [(left, top, width, height), ...] in twips, item order
    picture_at('scilly1lab', 'Images/south coast.jpg') -> (x, y) twips of that picture
"""

import glob
import json
import os

TOPICS = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'content', 'topics')


def topic_files():
    for path in sorted(glob.glob(os.path.join(TOPICS, '*.json'))):
        with open(path, encoding='utf-8') as f:
            yield path, json.load(f)


def activity(form):
    for _, topic in topic_files():
        for act in topic.get('activities', []):
            if act['form'] == form:
                return act
    raise KeyError('no activity ' + form + ' in ' + TOPICS)


def target_boxes(form):
    act = activity(form)
    width, height = act['itemSize']
    return [(item['target'][0], item['target'][1], width, height) for item in act['items']]


def picture_at(form, path):
    for picture in activity(form).get('pictures', []):
        if picture['path'].lower() == path.lower():
            return tuple(picture['at'])
    raise KeyError(path + ' is not a picture of ' + form)


def write_topic(path, topic):
    """Writes a topic file in the folder's layout: one field a line, one item, label or
    picture a line, so that a change shows as a small diff."""
    def line(value):
        return json.dumps(value, ensure_ascii=False)
    out = ['{']
    keys = list(topic)
    for ki, key in enumerate(keys):
        comma = ',' if ki < len(keys) - 1 else ''
        if key != 'activities':
            out.append(f'  "{key}": {line(topic[key])}{comma}')
            continue
        out.append('  "activities": [')
        for ai, act in enumerate(topic[key]):
            out.append('    {')
            akeys = list(act)
            for j, akey in enumerate(akeys):
                value = act[akey]
                c2 = ',' if j < len(akeys) - 1 else ''
                if isinstance(value, list) and value and isinstance(value[0], dict):
                    out.append(f'      "{akey}": [')
                    out.extend('        ' + line(e) + (',' if x < len(value) - 1 else '') for x, e in enumerate(value))
                    out.append('      ]' + c2)
                else:
                    out.append(f'      "{akey}": {line(value)}{c2}')
            out.append('    }' + (',' if ai < len(topic[key]) - 1 else ''))
        out.append('  ]' + comma)
    out.append('}')
    with open(path, 'w', encoding='utf-8') as f:
        f.write('\n'.join(out) + '\n')
