"""Paints the program's pictures (placeholder; being written)."""

import numpy as np
from PIL import Image


def fbm(height, width, seed, octaves=4, base=4):
    """Smooth cloudy noise in [0, 1]: random grids of growing detail, enlarged and summed."""
    rng = np.random.default_rng(seed)
    total = np.zeros((height, width))
    weight, weights = 1.0, 0.0
    aspect = width / height
    for octave in range(octaves):
        rows = base * 2 ** octave
        cols = max(2, int(rows * aspect))
        grid = rng.random((rows, cols)).astype(np.float32)
        layer = Image.fromarray(grid, mode='F').resize((width, height), Image.BICUBIC)
        total += weight * np.asarray(layer)
        weights += weight
        weight *= 0.5
    total /= weights
    lo, hi = total.min(), total.max()
    return (total - lo) / (hi - lo) if hi > lo else total * 0
